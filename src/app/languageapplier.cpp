#include "languageapplier.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QVariant>

namespace {

QObject *findIn(const QList<QObject *> &roots, const char *name)
{
    const QString objectName = QLatin1String(name);
    for (QObject *root : roots) {
        if (!root)
            continue;
        if (root->objectName() == objectName)
            return root;
        if (QObject *found = root->findChild<QObject *>(objectName))
            return found;
    }
    return nullptr;
}

} // namespace

bool LanguageApplier::setCaption(QObject *control, const QString &caption)
{
    if (auto *action = qobject_cast<QAction *>(control)) {
        action->setText(caption);
    } else if (auto *menu = qobject_cast<QMenu *>(control)) {
        menu->setTitle(caption);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(caption);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(caption);
        // A button of a numbered row keeps its row in its name ("Change 3").
        if (const QVariant slot = button->property("slot"); slot.isValid())
            button->setAccessibleName(caption + QLatin1Char(' ') + slot.toString());
    } else if (auto *group = qobject_cast<QGroupBox *>(control)) {
        group->setTitle(caption);
    } else if (auto *widget = qobject_cast<QWidget *>(control); widget && widget->isWindow()) {
        widget->setWindowTitle(caption);
    } else {
        return false;
    }
    return true;
}

bool LanguageApplier::setTabCaption(QObject *page, const QString &caption)
{
    auto *widget = qobject_cast<QWidget *>(page);
    for (QObject *up = page ? page->parent() : nullptr; widget && up; up = up->parent()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(up)) {
            const int index = tabs->indexOf(widget);
            if (index < 0)
                return false;
            tabs->setTabText(index, caption);
            return true;
        }
    }
    return false;
}

void LanguageApplier::apply(const QList<QObject *> &roots, const QList<Entry> &entries, const TextFor &text)
{
    for (const Entry &entry : entries) {
        QObject *control = findIn(roots, entry.name);
        if (!control)
            continue;
        const QString value = text(entry.text);
        switch (entry.kind) {
        case Kind::Caption:
            setCaption(control, value);
            break;
        case Kind::Hint:
            if (auto *widget = qobject_cast<QWidget *>(control))
                widget->setToolTip(value);
            break;
        case Kind::TabCaption:
            setTabCaption(control, value);
            break;
        }
    }
}

QList<LanguageApplier::Entry> LanguageApplier::mainWindowEntries()
{
    return {{"File1", 1},
            {"Esci2", 2},
            {"Lingua1", 3},
            {"Lbl_SostieniSonvela", 13},
            {"Visualizza1", 7},
            {"Rimpicciolisciinalto1", 8},
            {"Ripristina1", 9},
            {"Riduciaicona1", 10},
            {"Atuttoschermo1", 11},
            {"Linkutili1", 12},
            {"SostieniSonvela1", 13},
            {"Opzioni1", 14},
            {"Opzionidiavvio1", 25},
            {"Radiopersonali1", 30},
            {"Radioinplaylist1", 33},
            {"Gestioneproxy1", 16},
            {"NewseMeteo1", 17},
            {"RadioMenu", 18},
            {"Visualizzatutteleemittenti1", 19},
            {"Ricercaradio1", 20},
            {"Radioositowebpersonale1", 21},
            {"Newsletter1", 90}};
}

QList<LanguageApplier::Entry> LanguageApplier::playlistWindowEntries()
{
    return {{"Frm_RadioProgrammata", 30}, {"BitBtn1", 39}, {"BitBtn2", 40}};
}

QList<LanguageApplier::Entry> LanguageApplier::optionsWindowEntries()
{
    QList<Entry> entries{{"TabSheet1", 25, Kind::TabCaption},
                         {"TabSheet2", 30, Kind::TabCaption},
                         {"TabSheet3", 33, Kind::TabCaption},
                         {"Lbl_AvvioAutomatico", 26},
                         {"Lbl_EsecuzioneRadio", 27},
                         {"Lbl_Google", 28},
                         {"Lbl_Msn", 29},
                         {"Lbl_Emittenti", 34},
                         {"SpeedButton1", 32},
                         {"BitBtn13", 37},
                         {"BitBtn14", 38},
                         {"BitBtn1", 39},
                         {"BitBtn2", 40}};
    static const char *const change[] = {"BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7"};
    static const char *const clear[] = {"BitBtn8", "BitBtn9", "BitBtn10", "BitBtn11", "BitBtn12"};
    for (const char *name : change)
        entries.append({name, 32});
    for (const char *name : clear)
        entries.append({name, 31});
    return entries;
}

QList<LanguageApplier::Entry> LanguageApplier::mainWindowLateEntries()
{
    return {{"Label2", 42},
            {"Label3", 43},
            {"ImgIndietro", 45, Kind::Hint},
            {"ImgAvanti", 46, Kind::Hint},
            {"TabSheet1", 51, Kind::TabCaption},
            {"TabSheet2", 53, Kind::TabCaption},
            {"Leradiopicliccate1", 51},
            {"Lemieradiopreferite1", 53},
            {"esci1", 2},
            {"CambiaRadio1", 32}};
}

QList<LanguageApplier::Entry> LanguageApplier::coverEntries()
{
    return {{"Lbl_CaricamentoClassifica", 126}, {"Lbl_EmittentiPersonali", 127}, {"Lbl_CaricamentoNews", 128}, {"User1", 129}};
}
