#pragma once

#include "tickerslide.h"

#include <QDialog>

#include <array>
#include <functional>

class Dialogs;
class PrimaryScreenArea;
class QLineEdit;
class QPushButton;
class QTimer;
class TFrm_News;

// The news and weather choice: fifteen categories and the seconds each item
// stays. It reads "NewsSV.txt" when created, writes it only on "Chiudi", and
// owns Timer1, which slides the ticker in and out.
class TFrm_GestioneNews final : public QDialog
{
    Q_OBJECT
public:
    struct Fields
    {
        int &NewsDelay;
        QString &NewsBaseUrl;
        QString &NewsUrl;
    };
    static constexpr int CategoryCount = 15;

    TFrm_GestioneNews(TFrm_News &ticker, Fields fields, std::function<QString()> serverBase, QString settingsFolder,
                      Dialogs &dialogs, QWidget *parent = nullptr);

    // Reads the stored choice; a stored category brings the ticker up.
    void FormCreate();

    // The one handler of the fifteen category buttons.
    void SpeedButtonClick(int category);
    void ChiudiClick();
    void Timer1Timer();

    QPushButton *categoryButton(int category) const;
    QLineEdit *Edit1() const { return m_edit; }
    QTimer *Timer1() const { return m_timer; }
    const TickerSlide &slide() const { return m_slide; }
    // The height kept free along the bottom edge (the search strip while it
    // is shown), so the ticker rests above it and both stay within reach.
    void setBottomReserve(std::function<int()> reserve) { m_bottomReserve = std::move(reserve); }
    // Places the ticker again, as when the screen area or the reserve changed.
    void followScreen();

private:
    void buildWindow();
    void showTicker(int tag);
    void parkTicker();
    int tickerTop() const;
    void startSliding(bool in);
    void setFlat(int category, bool flat);

    TFrm_News &m_ticker;
    Fields m_fields;
    std::function<QString()> m_serverBase;
    QString m_settingsFolder;
    Dialogs &m_dialogs;
    PrimaryScreenArea *m_screen = nullptr;
    std::array<QPushButton *, CategoryCount> m_buttons{};
    QLineEdit *m_edit = nullptr;
    QTimer *m_timer = nullptr;
    TickerSlide m_slide;
    std::function<int()> m_bottomReserve;
};
