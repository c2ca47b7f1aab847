#include "app/languageapplier.h"

#include "options/tfrm_gestioneopzioni.h"
#include "settings/optionsstate.h"
#include "support/fakedialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// The options window through the table the language switch uses: only the
// first five rows' buttons follow the language.
TEST(LanguageApplierTest, OptionsWindowEntriesReachEveryCaptionThatFollowsTheLanguage)
{
    OptionsState state;
    FakeDialogs dialogs;
    TFrm_GestioneOpzioni window(state, QString(), dialogs);
    LanguageApplier::apply({&window}, LanguageApplier::optionsWindowEntries(),
                           [](int n) { return QStringLiteral("T%1").arg(n); });
    const auto child = [&window](const char *name) { return window.findChild<QWidget *>(QLatin1String(name)); };
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    const std::pair<const char *, const char *> tabs[] = {{"TabSheet1", "T25"}, {"TabSheet2", "T30"}, {"TabSheet3", "T33"}};
    for (const auto &[name, text] : tabs)
        EXPECT_EQ(pages->tabText(pages->indexOf(child(name))), QLatin1String(text)) << name;
    const std::pair<const char *, const char *> captions[] = {
        {"Lbl_AvvioAutomatico", "T26"}, {"Lbl_EsecuzioneRadio", "T27"}, {"Lbl_Google", "T28"}, {"Lbl_Msn", "T29"},
        {"Lbl_Emittenti", "T34"},       {"SpeedButton1", "T32"},        {"BitBtn1", "T39"},    {"BitBtn2", "T40"},
        {"BitBtn13", "T37"},            {"BitBtn14", "T38"},            {"BitBtn3", "T32"},    {"BitBtn7", "T32"},
        {"BitBtn8", "T31"},             {"BitBtn12", "T31"},            {"BitBtn15", "Cambia"}, {"BitBtn16", "Cancella"},
        {"BitBtn33", "Cambia"},         {"BitBtn34", "Cancella"}};
    for (const auto &[name, text] : captions) {
        QWidget *control = child(name);
        ASSERT_NE(control, nullptr) << name;
        const auto *label = qobject_cast<QLabel *>(control);
        EXPECT_EQ(label ? label->text() : qobject_cast<QPushButton *>(control)->text(), QLatin1String(text)) << name;
    }
}

} // namespace
