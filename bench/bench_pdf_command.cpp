// quillmark --pdf of 100 characters of 50 items each into a folder, against Open of the same
// 100 files: once inside this process (read, print, write each PDF) and once as the real
// program started for the whole run (start-up included).
//
//   bench_pdf_command [layout file] [runs]
#include "BenchSupport.h"
#include "files/FileCommands.h"
#include "sheet/CharacterSheet.h"
#include "shell/CommandLine.h"
#include "shell/PdfCommand.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int characters = 100;
constexpr int itemsEach = 50;

QStringList writeCharacters(const QString &folder)
{
    const QString one = writeLargeCharacter(folder, itemsEach);
    QStringList files;
    for (int i = 0; i < characters; ++i) {
        files << QDir(folder).filePath(u"hero%1.qmc"_s.arg(i, 3, 10, QChar(u'0')));
        if (!QFile::copy(one, files.constLast()))
            qFatal("cannot copy %s", qPrintable(one));
    }
    QFile::remove(one);
    return files;
}

void emptyFolder(const QString &out)
{
    QDir(out).removeRecursively();
    QDir().mkdir(out);
}

void checkPdfs(const QString &out)
{
    if (QDir(out).entryList({u"*.pdf"_s}, QDir::Files).size() != characters)
        qFatal("not every PDF was written into %s", qPrintable(out));
    QDir(out).removeRecursively();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString built = QCoreApplication::applicationDirPath() + u"/../../data/qmsheet.rav"_s;
    const QString layout = args.value(1, QFile::exists(built) ? built : u"data/qmsheet.rav"_s);
    const int runs = std::max(1, args.value(2, u"7"_s).toInt());
    const QString program = QCoreApplication::applicationDirPath() + u"/../src/quillmark"_s;

    QTemporaryDir folder;
    const QString out = folder.filePath(u"out"_s);
    const QStringList files = writeCharacters(folder.path());
    if (!QFile::copy(layout, folder.filePath(u"qmsheet.rav"_s)))
        qFatal("cannot copy the layout %s", qPrintable(layout));
    QDir::setCurrent(folder.path());

    SilentPrompter prompter;
    CharacterTypes::AllowedTypes allowAll{};
    allowAll.fill(true);
    const double open = medianMs(runs, [&] {
        for (const QString &file : files) {
            CharacterSheet sheet;
            FileCommands::load(sheet, file, allowAll, prompter);
        }
    });
    const CommandLine::Request request{.files = files, .pdf = out, .pdfIntoFolder = true};
    const double inProcess = medianMs(
        runs,
        [&] {
            if (PdfCommand::run(request) != 0)
                qFatal("--pdf failed");
        },
        [&] { emptyFolder(out); });
    checkPdfs(out);
    const double wholeProgram = medianMs(
        runs,
        [&] {
            if (QProcess::execute(program, QStringList{u"--pdf"_s, out} + files) != 0)
                qFatal("%s --pdf failed", qPrintable(program));
        },
        [&] { emptyFolder(out); });
    checkPdfs(out);
    std::printf("--pdf of %d characters of %d items each into a folder, medians of %d runs:\n"
                "  in this process %8.1f ms (%.2f ms a file)\n"
                "  the program     %8.1f ms (%.2f ms a file, start-up included)\n"
                "  baseline Open of the same files %.1f ms (%.3f ms a file); --pdf in this "
                "process is %.0f times Open\n",
                characters, itemsEach, runs, inProcess, inProcess / characters, wholeProgram,
                wholeProgram / characters, open, open / characters, inProcess / open);
    return 0;
}
