#include "print/report/LayoutReportEngine.h"

#include "common/QuillError.h"
#include "print/report/Tr.h"
#include "print/report/layout/LayoutReader.h"
#include "print/report/output/ReportOutput.h"

using namespace Qt::StringLiterals;

void LayoutReportEngine::open()
{
    close();
    m_project = LayoutReader::read(m_fileName);
    for (int r = 0; r < m_project->reports.size(); ++r) {
        const LayoutReport &report = m_project->reports.at(r);
        for (int p = 0; p < report.pages.size(); ++p) {
            m_places.append({r, p, -1});
            for (int c = 0; c < report.pages.at(p).parts.size(); ++c)
                m_places.append({r, p, c});
        }
    }
}

ComponentHandle LayoutReportEngine::handle(int index) const
{
    const Place &place = m_places.at(index);
    if (place.part < 0)
        return {index, ComponentKind::Page};
    switch (m_project->reports.at(place.report).pages.at(place.page).parts.at(place.part).kind) {
    case PartKind::Text:
        return {index, ComponentKind::Text};
    case PartKind::Memo:
        return {index, ComponentKind::Memo};
    default:
        return {index, ComponentKind::Other};
    }
}

ComponentHandle LayoutReportEngine::findPage(const QString &dotted) const
{
    const QString reportName = dotted.section(u'.', 0, 0);
    const QString pageName = dotted.section(u'.', 1);
    for (int i = 0; i < m_places.size(); ++i) {
        const Place &place = m_places.at(i);
        const LayoutReport &report = m_project->reports.at(place.report);
        if (place.part < 0 && sameName(report.name, reportName) &&
            sameName(report.pages.at(place.page).name, pageName))
            return handle(i);
    }
    return {};
}

// A part of this name on the page whose place index is `onlyPage`, or anywhere when it is -1.
ComponentHandle LayoutReportEngine::findPart(const QString &name, int onlyPage) const
{
    const Place *page = onlyPage >= 0 ? &m_places.at(onlyPage) : nullptr;
    for (int i = 0; i < m_places.size(); ++i) {
        const Place &place = m_places.at(i);
        if (place.part < 0 || (page && (place.report != page->report || place.page != page->page)))
            continue;
        const LayoutPart &part =
            m_project->reports.at(place.report).pages.at(place.page).parts.at(place.part);
        if (!part.name.isEmpty() && sameName(part.name, name))
            return handle(i);
    }
    return {};
}

ComponentHandle LayoutReportEngine::find(const QString &name, ComponentHandle page) const
{
    if (!m_project)
        return {};
    if (name.contains(u'.')) {
        if (const ComponentHandle found = findPage(name))
            return found;
    }
    if (page.kind == ComponentKind::Page && page.id >= 0 && page.id < m_places.size()) {
        if (const ComponentHandle found = findPart(name, page.id))
            return found;
    }
    return findPart(name, -1);
}

const LayoutReportEngine::Place &LayoutReportEngine::fieldPlace(ComponentHandle component,
                                                                bool memo) const
{
    const bool known = m_project && component.id >= 0 && component.id < m_places.size();
    const ComponentKind kind = known ? handle(component.id).kind : ComponentKind::None;
    if (kind != ComponentKind::Text && kind != ComponentKind::Memo)
        throw QuillError(
            ReportTr::tr("The report component asked for is not a text or memo field"));
    if (memo && kind != ComponentKind::Memo)
        throw QuillError(ReportTr::tr("The report component asked for is not a memo field"));
    return m_places.at(component.id);
}

LayoutPart &LayoutReportEngine::part(const Place &place)
{
    return m_project->reports[place.report].pages[place.page].parts[place.part];
}

void LayoutReportEngine::setText(ComponentHandle component, const QString &text)
{
    part(fieldPlace(component, false)).text = text;
}

QString LayoutReportEngine::memoText(ComponentHandle memo) const
{
    const Place &place = fieldPlace(memo, true);
    return m_project->reports.at(place.report).pages.at(place.page).parts.at(place.part).text;
}

void LayoutReportEngine::setMemoText(ComponentHandle memo, const QString &text)
{
    part(fieldPlace(memo, true)).text = text;
}

void LayoutReportEngine::execute(const QString &reportName)
{
    if (!m_project)
        return;
    for (LayoutReport &report : m_project->reports) {
        if (sameName(report.name, reportName)) {
            report.documentName = m_documentName;
            m_output.run(report);
            return;
        }
    }
}

void LayoutReportEngine::close()
{
    m_project.reset();
    m_places.clear();
}
