#include "shell/widgets/TUpDown.h"

#include "sheet/IntText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

using namespace Qt::StringLiterals;

TUpDown::TUpDown(int minimum, int maximum, int position, QLineEdit *buddy, QWidget *parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_position(position), m_buddy(buddy),
      m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *b : {m_up, m_down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, &TUpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &TUpDown::stepDown);
    setFocusPolicy(Qt::NoFocus);
    if (m_buddy) {
        m_buddy->setText(IntText::fromInt(m_position));
        m_buddy->installEventFilter(this);
    }
}

bool TUpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::Wheel && isEnabled()) {
        turnWheel(static_cast<QWheelEvent *>(event));
        return true;
    }
    if (watched != m_buddy || event->type() != QEvent::KeyPress || !isEnabled())
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (key->key() == Qt::Key_Up)
        stepUp();
    else if (key->key() == Qt::Key_Down)
        stepDown();
    else
        return false;
    return true;
}

void TUpDown::wheelEvent(QWheelEvent *event)
{
    turnWheel(event);
}

void TUpDown::turnWheel(QWheelEvent *event)
{
    event->accept();
    m_wheelTurn += event->angleDelta().y();
    constexpr int notch = QWheelEvent::DefaultDeltasPerStep;
    while (m_wheelTurn >= notch) {
        m_wheelTurn -= notch;
        stepUp();
    }
    while (m_wheelTurn <= -notch) {
        m_wheelTurn += notch;
        stepDown();
    }
}

void TUpDown::setSpokenName(const QString &name)
{
    setAccessibleName(name);
    m_up->setAccessibleName(tr("Raise %1").arg(name));
    m_down->setAccessibleName(tr("Lower %1").arg(name));
}

void TUpDown::setPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
    if (m_buddy)
        m_buddy->setText(IntText::fromInt(m_position));
}

void TUpDown::stepUp()
{
    step(1);
}
void TUpDown::stepDown()
{
    step(-1);
}

void TUpDown::step(int delta)
{
    // A box that accepts typing may hold a number the arrows did not put there; step from it,
    // as the platform's up-down control does with its buddy's text.
    int from = m_position;
    if (m_buddy) {
        if (const auto typed = IntText::parse(m_buddy->text()))
            from = std::clamp(*typed, m_minimum, m_maximum);
    }
    const int to = std::clamp(from + delta, m_minimum, m_maximum);
    const bool moved = to != m_position;
    setPosition(to);
    if (moved)
        Q_EMIT positionMoved(to);
}
