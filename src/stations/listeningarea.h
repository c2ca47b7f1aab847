#pragma once

class Browser;
class QLabel;
class QTabWidget;
class QWidget;

// The controls of the main window that playing a station works on.
struct ListeningArea
{
    QWidget *Pnl_Tv = nullptr;
    QTabWidget *Pnl_Ascolta = nullptr;
    QWidget *Panel1 = nullptr;
    QLabel *Lbl_Caricamento = nullptr;
    Browser *WB_Principale = nullptr;
    Browser *Wb_Radio = nullptr;
    Browser *WebBrowser2 = nullptr;
    Browser *WebBrowser3 = nullptr;
    Browser *WB_SponsorAggiuntivi = nullptr;
    Browser *Wb_Catalogo = nullptr;
    int Tb_Catalogo = 7; // page index of the catalogue tab
};
