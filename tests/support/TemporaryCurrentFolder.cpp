#include "support/TemporaryCurrentFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

bool TemporaryCurrentFolder::enter()
{
    m_start = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    m_state = std::make_unique<QTemporaryDir>();
    m_stateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(m_state->path()));
    return m_dir->isValid() && m_state->isValid() && QDir::setCurrent(m_dir->path());
}

void TemporaryCurrentFolder::leave()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        widget->close();
    QDir::setCurrent(m_start);
    qputenv("XDG_STATE_HOME", m_stateHome);
    m_dir.reset();
    m_state.reset();
}
