#pragma once

#include <QWidget>

// The background's frame, in which the listening area takes its place below
// the description line. It lies in front of the panels, so the listening area
// covers them when it grows (full screen); outside the area it holds it is
// invisible to clicks, so the sponsor strip below it keeps its own.
class ListeningFrame final : public QWidget
{
    Q_OBJECT
public:
    ListeningFrame(QWidget *parent, QRect geometry);
    void hold(QWidget *area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitMask();

    QWidget *m_area = nullptr;
};
