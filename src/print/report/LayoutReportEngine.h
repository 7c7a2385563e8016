#pragma once

#include "common/ReportEngine.h"
#include "print/report/layout/ReportLayout.h"

#include <optional>

class ReportOutput;

// The report engine behind the printout (the window's report project): holds one loaded layout
// with the texts put into it and hands a run report to a ReportOutput.
class LayoutReportEngine : public ReportEngine
{
public:
    explicit LayoutReportEngine(ReportOutput &output) : m_output(output) {}

    void setProjectFile(const QString &path) override { m_fileName = path; }
    void open() override;
    ComponentHandle find(const QString &name, ComponentHandle page = {}) const override;
    void setText(ComponentHandle component, const QString &text) override;
    QString memoText(ComponentHandle memo) const override;
    void setMemoText(ComponentHandle memo, const QString &text) override;
    void setDocumentName(const QString &name) override { m_documentName = name; }
    void execute(const QString &reportName) override;
    void close() override;

private:
    // Where a handle points: a page (part -1) or a part on it.
    struct Place
    {
        int report;
        int page;
        int part;
    };

    ComponentHandle handle(int index) const;
    ComponentHandle findPage(const QString &dotted) const;
    ComponentHandle findPart(const QString &name, int onlyPage) const;
    const Place &fieldPlace(ComponentHandle component, bool memo) const;
    LayoutPart &part(const Place &place);

    ReportOutput &m_output;
    QString m_fileName;
    std::optional<LayoutProject> m_project;
    QString m_documentName;
    QList<Place> m_places;
};
