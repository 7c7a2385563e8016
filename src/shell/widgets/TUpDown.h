#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of small arrows attached to the right edge of a number box. A click on an arrow steps
// the position by one within [minimum, maximum], never wrapping, and writes the position into the
// box. positionMoved() is raised only when an arrow actually moved the position. Up and Down
// pressed in the box, and the mouse wheel turned over the box or its arrows, step it exactly as a
// click on the matching arrow does.
class TUpDown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int position READ position WRITE setPosition)
    Q_PROPERTY(int minimum READ minimum)
    Q_PROPERTY(int maximum READ maximum)

public:
    TUpDown(int minimum, int maximum, int position, QLineEdit *buddy, QWidget *parent = nullptr);

    int position() const { return m_position; }
    // Sets the position (clamped) and writes it into the box; raises nothing.
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    QLineEdit *buddy() const { return m_buddy; }
    // What assistive technology says for the control ("Song level") and for its two arrows
    // ("Raise Song level", "Lower Song level").
    void setSpokenName(const QString &name);

public Q_SLOTS:
    void stepUp();
    void stepDown();

Q_SIGNALS:
    void positionMoved(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void step(int delta);
    // One step for each notch; a touchpad's small turns add up to a notch first.
    void turnWheel(QWheelEvent *event);

    int m_minimum;
    int m_maximum;
    int m_position;
    QLineEdit *m_buddy;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_wheelTurn = 0;
};
