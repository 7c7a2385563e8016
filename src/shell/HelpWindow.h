#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The help file that start-up names for the application. The help pages themselves ship in the
// program's resources; the name only tells the user which help is missing when they are not there.
void setApplicationHelpFile(const QString &name);
QString applicationHelpFile();

// The context number of the help's contents page.
inline constexpr int helpContentsTopic = 1000;

// A plain window that shows the program's help pages and follows the links between them. It is
// not modal: the user can keep it open beside the main window. It first opens centred on its
// owner and no larger than the screen it is on; Escape closes it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *owner);

    // Shows the page of this context number, or a plain note when the help has no such page.
    void showTopic(int context);
    QTextBrowser *browser() const { return m_browser; }

private:
    QWidget *buildNavigation();
    void placeOverOwner();

    QTextBrowser *m_browser;
    bool m_placed = false;
};
