#include "tfrm_news.h"

TFrm_News::TFrm_News(QWidget *parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("Frm_News"));
}
