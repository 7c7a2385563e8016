#pragma once

#include "support/ModalWatcher.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <functional>

// Answers a file dialog by typing the name into its name box and accepting, as a user would.
// selectFile() would leave the box alone while it has the focus (as it does when a dialog is
// shown a second time), and a file still selected in the list from the last time would win over
// the typed name; so the selection is cleared first. `beforeAccept` runs just before the accept,
// as something else on the machine might while the user is still choosing.
inline ModalWatcher::DialogAction typeFileName(const QString &name,
                                               const std::function<void()> &beforeAccept = {})
{
    return [name, beforeAccept](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        for (auto *view : files->findChildren<QAbstractItemView *>())
            view->clearSelection();
        auto *typed = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(typed);
        typed->setText(name);
        if (beforeAccept)
            beforeAccept();
        static_cast<QDialog *>(files)->accept();
    };
}

// Answers "Report Setup" with the destination of this radio button.
inline ModalWatcher::DialogAction sendReportTo(const QString &radioButton)
{
    return [radioButton](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("ReportSetupDialog"));
        auto *destination = dialog->findChild<QRadioButton *>(radioButton);
        QVERIFY(destination);
        destination->setChecked(true);
        static_cast<QDialog *>(dialog)->accept();
    };
}

// Drops the files on `target` as a file manager does.
inline void dropFiles(QWidget *target, const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    QVERIFY(dropped.isAccepted());
}

// Answers "Report Setup" with the destination "File".
inline void sendReportToFile(QWidget *dialog)
{
    sendReportTo(QStringLiteral("FileRadioButton"))(dialog);
}
