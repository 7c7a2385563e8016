#pragma once

#include "common/QuillError.h"
#include "common/ReportEngine.h"

#include <QHash>
#include <QStringList>

// A report engine on strings: components are declared by name and kind, and every operation is
// logged as one line, so a test can read the whole conversation of a Print.
class FakeReportEngine : public ReportEngine
{
public:
    // The layout of a proper sheet: Report1.Page1 with the thirteen text and two memo fields.
    static FakeReportEngine properSheet()
    {
        FakeReportEngine engine;
        engine.declare(QStringLiteral("Report1.Page1"), ComponentKind::Page);
        for (const char *name :
             {"cname", "chior_band", "Corpforce", "Ethforce", "Celforce", "Strength", "Agility",
              "Intelligence", "Precision", "Mindhits", "Will", "Perception", "SoulHits"})
            engine.declare(QString::fromLatin1(name), ComponentKind::Text);
        engine.declare(QStringLiteral("FirstColum"), ComponentKind::Memo);
        engine.declare(QStringLiteral("SecondColum"), ComponentKind::Memo);
        return engine;
    }

    void declare(const QString &name, ComponentKind kind)
    {
        m_names.append(name);
        m_kinds.insert(name.toLower(), kind);
    }
    void remove(const QString &name) { m_kinds.remove(name.toLower()); }

    void setProjectFile(const QString &path) override { log << QStringLiteral("file ") + path; }
    void open() override
    {
        log << QStringLiteral("open");
        if (!openError.isEmpty())
            throw QuillError(openError);
    }
    ComponentHandle find(const QString &name, ComponentHandle page) const override
    {
        log << QStringLiteral("find %1%2").arg(name, page ? QStringLiteral(" on page") : QString());
        const auto kind = m_kinds.value(name.toLower(), ComponentKind::None);
        return {kind == ComponentKind::None ? -1 : int(m_names.indexOf(name)), kind};
    }
    void setText(ComponentHandle component, const QString &text) override
    {
        log << QStringLiteral("text %1=%2").arg(m_names.value(component.id), text);
        texts.insert(m_names.value(component.id), text);
    }
    QString memoText(ComponentHandle memo) const override
    {
        return texts.value(m_names.value(memo.id));
    }
    void setMemoText(ComponentHandle memo, const QString &text) override
    {
        memoWrites++;
        texts.insert(m_names.value(memo.id), text);
    }
    void setDocumentName(const QString &name) override { documentName = name; }
    void execute(const QString &reportName) override { log << QStringLiteral("run ") + reportName; }
    void close() override { log << QStringLiteral("close"); }

    mutable QStringList log;
    QHash<QString, QString> texts;
    int memoWrites = 0;
    QString documentName;
    QString openError;

private:
    QStringList m_names;
    QHash<QString, ComponentKind> m_kinds;
};
