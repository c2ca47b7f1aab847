#pragma once

#include "tfrm_sonvela.h"

#include <memory>

class PageCapture;
class TFrm_About;
class TFrm_GestioneNews;
class TFrm_GestioneOpzioni;
class TFrm_GestioneUtente;
class TFrm_GoogleFinder;
class TFrm_News;
class TFrm_RadioPersonale;
class TFrm_RadioProgrammata;

// The program's nine windows in their order of creation. The entry point
// hands in the real platform; tests hand in fakes and get the same windows.
class ProgramWindows final
{
public:
    explicit ProgramWindows(TFrm_Sonvela::Platform platform);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

    TFrm_Sonvela &main() { return *Frm_Sonvela; }

    // The main window's start-up sequence, then the other eight windows,
    // which read their own files as they are created.
    void startUp();

private:
    TFrm_Sonvela::Platform m_platform;
    std::unique_ptr<PageCapture> m_selectionCapture;
    std::unique_ptr<TFrm_Sonvela> Frm_Sonvela;
    std::unique_ptr<TFrm_News> Frm_News;
    std::unique_ptr<TFrm_GestioneNews> Frm_GestioneNews;
    std::unique_ptr<TFrm_GestioneOpzioni> Frm_GestioneOpzioni;
    std::unique_ptr<TFrm_RadioProgrammata> Frm_RadioProgrammata;
    std::unique_ptr<TFrm_About> Frm_About;
    std::unique_ptr<TFrm_GoogleFinder> Frm_GoogleFinder;
    std::unique_ptr<TFrm_RadioPersonale> Frm_RadioPersonale;
    std::unique_ptr<TFrm_GestioneUtente> Frm_GestioneUtente;
};
