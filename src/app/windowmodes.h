#pragma once

#include <QObject>
#include <QRect>

#include <functional>

class Browser;
class QAction;
class QMainWindow;
class QTabWidget;
class QWidget;
class TrayIcon;

// Compact mode, full-screen mode and hiding to the tray. Both modes keep the
// window's position in SavedTop/SavedLeft and give it back when left.
class WindowModes final : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QMainWindow *window;
        QWidget *client; // the window's client area, sized to its visible children
        QWidget *Pnl_Tv, *Pnl_Ridotto, *Sfondo, *Panel1, *Panel2, *Pnl_SponsorAgg;
        QTabWidget *Pnl_Ascolta;
        QWidget *WB_Principale, *Wb_Radio, *WebBrowser2, *Lbl_Caricamento;
        QAction *Rimpicciolisciinalto1, *Atuttoschermo1, *N3, *N9, *RadioMenu, *Newsletter1, *N4;
        TrayIcon *tray;
    };
    using TextFor = std::function<QString(int)>;

    WindowModes(Controls controls, TextFor text, std::function<QString()> windowHint, QObject *parent = nullptr);

    static QString standardCaption() { return QStringLiteral("Sonvela by Velmora - \"Versione 4.8\""); }

    bool compact() const;
    bool fullScreen() const;
    int SavedTop = 0;
    int SavedLeft = 0;

public Q_SLOTS:
    void Rimpicciolisciinalto1Click();
    void Atuttoschermo1Click();
    void Riduciaicona1Click();
    void Ripristina1Click();

public:
    // Lays out the normal design and sizes the window to its visible children.
    void layoutNormal();
    void fitClientToChildren();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCompactItemsVisible(bool visible);
    void frameListeningArea();
    // Stretches the player over the client area as large as it is now.
    void layoutFullScreen();
    void layoutBrowsers();

    Controls m_c;
    TextFor m_text;
    std::function<QString()> m_windowHint;
};
