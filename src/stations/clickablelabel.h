#pragma once

#include <QLabel>

#include <functional>

// A label that answers the mouse (a click and every move over it) and the
// keyboard: Tab reaches it, Enter or Space presses it, the arrows ask to step
// to a neighbour, and reaching it by keyboard counts as hovering it. Screen
// readers see it as a push button whose press is the click.
class ClickableLabel final : public QLabel
{
    Q_OBJECT
public:
    using Describer = std::function<QString()>;

    explicit ClickableLabel(QWidget *parent = nullptr);

    // What the description line says for it: its accessible description.
    void setDescriber(Describer describer) { m_describer = std::move(describer); }
    QString description() const;

    // The click, as a keyboard or an assistive tool makes it.
    void press();

Q_SIGNALS:
    void clicked();
    void hovered();
    // An arrow key: -1 towards the top, +1 towards the bottom.
    void stepped(int direction);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Describer m_describer;
};
