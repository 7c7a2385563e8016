#pragma once

#include <QString>

// What the printout needs of a report engine: load a layout file, find its pages and named
// components, put texts into them, run a report and drop everything again. Components are
// addressed by handles that stay valid until close().
enum class ComponentKind
{
    None,
    Page,
    Text,
    Memo,
    Other
};

struct ComponentHandle
{
    int id = -1;
    ComponentKind kind = ComponentKind::None;

    explicit operator bool() const { return kind != ComponentKind::None; }
};

class ReportEngine
{
public:
    virtual ~ReportEngine() = default;

    // The layout file to load, as a full path.
    virtual void setProjectFile(const QString &path) = 0;
    // Loads the layout file; raises QuillError when it is missing, unreadable or damaged.
    virtual void open() = 0;
    // "Report.Page" finds a page; a plain name is looked for on `page` first, then anywhere.
    // Names are compared without regard to case. An empty handle when nothing matches.
    virtual ComponentHandle find(const QString &name, ComponentHandle page = {}) const = 0;
    virtual void setText(ComponentHandle component, const QString &text) = 0;
    virtual QString memoText(ComponentHandle memo) const = 0;
    virtual void setMemoText(ComponentHandle memo, const QString &text) = 0;
    // The name the printed document goes by: a PDF's title, the job in the printer's queue.
    virtual void setDocumentName(const QString &name) = 0;
    // Runs the report of this name; nothing happens when the project holds none.
    virtual void execute(const QString &reportName) = 0;
    // Drops the loaded layout and every text put into it.
    virtual void close() = 0;
};
