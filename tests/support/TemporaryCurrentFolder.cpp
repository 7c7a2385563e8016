#include "support/TemporaryCurrentFolder.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

bool TemporaryCurrentFolder::enter()
{
    m_start = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    return m_dir->isValid() && QDir::setCurrent(m_dir->path());
}

void TemporaryCurrentFolder::leave()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
    QDir::setCurrent(m_start);
    m_dir.reset();
}
