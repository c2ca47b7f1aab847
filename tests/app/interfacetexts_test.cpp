#include "app/interfacetexts.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <set>
#include <vector>

namespace {

constexpr int Italian = InterfaceTexts::Italian;
constexpr int English = InterfaceTexts::English;
constexpr int French = InterfaceTexts::French;
constexpr int Spanish = InterfaceTexts::Spanish;
constexpr int AllLanguages[] = { Italian, English, French, Spanish };

const InterfaceTexts &texts()
{
    static const InterfaceTexts table;
    return table;
}

QString utf8(const char *text) { return QString::fromUtf8(text); }

template <typename Param> std::string entryName(const testing::TestParamInfo<Param> &info)
{
    return "Entry" + std::to_string(info.param.n);
}

// Entries whose four texts are fixed word for word, oddities included.
struct GivenEntry
{
    int n;
    const char *italian;
    const char *english;
    const char *french;
    const char *spanish;
};

const GivenEntry givenEntries[] = {
    { 13, "HOT video", "HOT video", "HOT video", "Videos HOT" },
    { 22, "Inserire l'indirizzo del sito web da visualizzare", "Insert website to visualize",
        "Insérer l'adresse du site web à afficher", "Inserir la pagina que quiere ver" },
    { 23, "Sito Web", "WebSite", "Site Web", "Pagina Web" },
    { 26, "Esecuzione automatica \"avvia in automatico il software Sonvela\"",
        "Startup \"start on automatic the Sonvela software\"",
        "Exécution automatique \"démarrage automatique du programme Sonvela\"", "Ejecucion Automatica de Sonvela" },
    { 60, "Caricamento in corso", "Loading", "Chargement en cours", "Cargando..." },
    { 63, "Stai ascoltando", "You are listening", "Tu écoutes", "Estas escuchando" },
    { 65, "Clicca per accedere", "Click to go", "Cliquer pour accéder", "Cliquear para acceder" },
    { 67, "Caricamento in corso", "Loading", "Chargement en cours", "Cargando.." },
    { 69, "Indirizzo Ip server Proxy già\u00a0 presente.Si desidera annullare il precedente inserimento?",
        "Ip server address Proxy already present.Is desire to cancel the previous insertion?",
        "Adresse IP serveur Proxy déjà présent. Vous désirez annuler la précédente insertion?",
        "Direccion PROXY ya existente, deseas anular la inserción?" },
    { 75, "Porta server Proxy già\u00a0 presente.Si desidera annullare il precedente inserimento?",
        "Port server Proxy already present.Is desire to cancel the previous insertion?",
        "Porte du serveur Proxy déjà présente. Vous désirez annuler la précédente insertion?",
        "Puerta  PROXY ya existente, deseas anular la inserción?" },
    { 79, "Porta", "Port", "Porte", "Puerta  " },
    { 81,
        "Nessun proxy settato!\rUsare le impostazioni predefinite di Internet Explorer?\r"
        "Cliccare NO per uscire direttamente senza proxy!",
        "Nobody proxy setting! Use the default settings of Internet Explorer? Click NO to direct exit without proxy!",
        "Aucun serveur proxy choisi!\r! Utiliser les critères prédéfinis d'Internet Explorer?\r"
        "Cliquer NON pour sortir directement sans proxy!",
        "No has elegido ningun proxy!\rUsar impostaciones predefinidas de Internet explorer?\r"
        "cliquear NO para salir sin PROXY" },
    { 90, "Iscriviti alla newsletter", "Register on newsletter", "Inscrit toi à la newsletter",
        "Registrarse al boletín de noticias" },
    { 117, "Nuova partita", "New Game", "Nouveau jeu", "Nuevo patido" },
    { 118, "Completa per me!!!", "Complete for me!!!", "Complète pour moi!!!", "Completo para mi!!!" },
    { 120, "Livello", "Level", "Niveau", "Nivel" },
    { 121, "Elementare", "Beginner", "Élémentaire", "Elementary" },
    { 125, "Esperto", "Expert", "Expert", "Expertos" },
    { 126, "Caricamento emittenti in corso", "Loading radio", "Caricamento emittenti in corso",
        "Caricamento emittenti in corso" },
    { 127, "Nessuna emittente personale impostata", "No personal radio", "Nessuna emittente personale impostata",
        "Nessuna emittente personale impostata" },
    { 128, "Caricamento emittenti in corso", "Loading radio", "Caricamento emittenti in corso",
        "Caricamento emittenti in corso" },
};

void PrintTo(const GivenEntry &entry, std::ostream *out) { *out << "entry " << entry.n; }

class GivenEntries : public testing::TestWithParam<GivenEntry>
{
};

TEST_P(GivenEntries, AreExactInAllFourLanguages)
{
    const GivenEntry &entry = GetParam();
    EXPECT_EQ(texts().text(Italian, entry.n), utf8(entry.italian));
    EXPECT_EQ(texts().text(English, entry.n), utf8(entry.english));
    EXPECT_EQ(texts().text(French, entry.n), utf8(entry.french));
    EXPECT_EQ(texts().text(Spanish, entry.n), utf8(entry.spanish));
}

INSTANTIATE_TEST_SUITE_P(InterfaceTexts, GivenEntries, testing::ValuesIn(givenEntries), entryName<GivenEntry>);

// Every entry a window shows, with its Italian text.
struct ShownEntry
{
    int n;
    const char *italian;
};

const ShownEntry shownEntries[] = {
    { 1, "File" },
    { 2, "Esci" },
    { 3, "Lingua" },
    { 7, "Visualizza" },
    { 8, "Rimpicciolisci in alto" },
    { 9, "Ripristina" },
    { 10, "Riduci a icona" },
    { 11, "A tutto schermo" },
    { 12, "Link utili" },
    { 13, "HOT video" },
    { 14, "Opzioni" },
    { 16, "Gestione proxy" },
    { 17, "News e Meteo" },
    { 18, "Radio" },
    { 19, "Visualizza tutte le emittenti" },
    { 20, "Ricerca Radio" },
    { 21, "Radio o sito Web Personale" },
    { 22, "Inserire l'indirizzo del sito web da visualizzare" },
    { 23, "Sito Web" },
    { 25, "Opzioni di avvio" },
    { 26, "Esecuzione automatica \"avvia in automatico il software Sonvela\"" },
    { 27, "Esegui la mia radio preferita in automatico" },
    { 28, "Visualizza Googlesearch all'avvio" },
    { 29, "Attiva plug-in per la musica di MSN Messenger" },
    { 30, "Radio Personali" },
    { 31, "Cancella" },
    { 32, "Cambia" },
    { 33, "Radio in Playlist" },
    { 34, "Attiva timer" },
    { 37, "Cancella emittente" },
    { 38, "Aggiungi emittente" },
    { 39, "Esci senza salvare" },
    { 40, "Salva ed esci" },
    { 42, "Ricerca Radio" },
    { 43, "Visualizza tutte" },
    { 45, "Torna alla pagina precedente" },
    { 46, "Vai alla pagina successiva" },
    { 49, "Clicca per ascoltare" },
    { 51, "Le radio più cliccate" },
    { 53, "Le radio preferite" },
    { 60, "Caricamento in corso" },
    { 61, "Altre Radio" },
    { 62, "Radio personale" },
    { 63, "Stai ascoltando" },
    { 65, "Clicca per accedere" },
    { 67, "Caricamento in corso" },
    { 69, "Indirizzo Ip server Proxy già\u00a0 presente.Si desidera annullare il precedente inserimento?" },
    { 70, "Conferma" },
    { 72, "Inserire l'indirizzo del server proxy" },
    { 73, "Indirizzo" },
    { 75, "Porta server Proxy già\u00a0 presente.Si desidera annullare il precedente inserimento?" },
    { 76, "Conferma" },
    { 78, "Inserire la porta del server proxy" },
    { 79, "Porta" },
    { 81,
        "Nessun proxy settato!\rUsare le impostazioni predefinite di Internet Explorer?\r"
        "Cliccare NO per uscire direttamente senza proxy!" },
    { 82, "Conferma" },
    { 87, "Ricerca Radio/Tv" },
    { 88, "Visualizza l'elenco completo delle radio e tv disponibili" },
    { 90, "Iscriviti alla newsletter" },
    { 93, "Torna alla pagina precedente" },
    { 94, "Vai alla pagina successiva" },
    { 100, "Altre Radio" },
    { 101, "Radio personale" },
    { 117, "Nuova partita" },
    { 118, "Completa per me!!!" },
    { 119, "Controllo dinamico errori" },
    { 120, "Livello" },
    { 121, "Elementare" },
    { 122, "Facile" },
    { 123, "Medio" },
    { 124, "Difficile" },
    { 125, "Esperto" },
    { 126, "Caricamento emittenti in corso" },
    { 127, "Nessuna emittente personale impostata" },
    { 128, "Caricamento emittenti in corso" },
    { 129, "Informazioni utente" },
};

void PrintTo(const ShownEntry &entry, std::ostream *out) { *out << "entry " << entry.n; }

class ShownEntries : public testing::TestWithParam<ShownEntry>
{
};

TEST_P(ShownEntries, ItalianIsExact) { EXPECT_EQ(texts().text(Italian, GetParam().n), utf8(GetParam().italian)); }

TEST_P(ShownEntries, AreFilledInEveryLanguage)
{
    for (int language : AllLanguages)
        EXPECT_FALSE(texts().text(language, GetParam().n).trimmed().isEmpty()) << "language " << language;
}

INSTANTIATE_TEST_SUITE_P(InterfaceTexts, ShownEntries, testing::ValuesIn(shownEntries), entryName<ShownEntry>);

TEST(ShownEntryList, HoldsSeventySixDistinctEntries)
{
    std::set<int> numbers;
    for (const ShownEntry &entry : shownEntries)
        numbers.insert(entry.n);
    EXPECT_EQ(numbers.size(), 76U);
}

struct EmptyEntry
{
    int n;
};

void PrintTo(const EmptyEntry &entry, std::ostream *out) { *out << "entry " << entry.n; }

class EmptyEntries : public testing::TestWithParam<EmptyEntry>
{
};

TEST_P(EmptyEntries, AreEmptyInEveryLanguage)
{
    for (int language : AllLanguages)
        EXPECT_TRUE(texts().text(language, GetParam().n).isEmpty()) << "language " << language;
}

INSTANTIATE_TEST_SUITE_P(InterfaceTexts, EmptyEntries,
    testing::Values(EmptyEntry { 41 }, EmptyEntry { 50 }, EmptyEntry { 55 }, EmptyEntry { 58 }, EmptyEntry { 68 },
        EmptyEntry { 71 }, EmptyEntry { 74 }, EmptyEntry { 77 }, EmptyEntry { 80 }, EmptyEntry { 83 },
        EmptyEntry { 85 }, EmptyEntry { 97 }, EmptyEntry { 99 }, EmptyEntry { 104 }, EmptyEntry { 109 },
        EmptyEntry { 114 }),
    entryName<EmptyEntry>);

// Byte checks independent of how the source file is encoded: the characters
// that look alike on screen are the ones most easily lost.
TEST(InterfaceTextBytes, NoBreakSpaceThenSpaceAfterGiaInItalianProxyQuestions)
{
    for (int n : { 69, 75 }) {
        const QByteArray bytes = texts().text(Italian, n).toUtf8();
        EXPECT_TRUE(bytes.contains("gi\xc3\xa0\xc2\xa0 presente.Si desidera")) << "entry " << n;
    }
}

TEST(InterfaceTextBytes, ProxyQuestionHasThreeCrSeparatedLinesExceptInEnglish)
{
    for (int language : { Italian, French, Spanish }) {
        const QString message = texts().text(language, 81);
        EXPECT_EQ(message.split(QLatin1Char('\r')).size(), 3) << "language " << language;
        EXPECT_FALSE(message.contains(QLatin1Char('\n'))) << "language " << language;
    }
    EXPECT_FALSE(texts().text(English, 81).contains(QLatin1Char('\r')));
    EXPECT_EQ(texts().text(French, 81).split(QLatin1Char('\r')).at(1).left(2), QStringLiteral("! "));
}

TEST(InterfaceTextBytes, SpanishPuertaIsFollowedByTwoSpaces)
{
    EXPECT_EQ(texts().text(Spanish, 79).toUtf8(), QByteArray("Puerta\x20\x20"));
    EXPECT_TRUE(texts().text(Spanish, 75).toUtf8().startsWith("Puerta\x20\x20PROXY"));
}

TEST(InterfaceTextBytes, AccentedLettersAreSingleCharacters)
{
    EXPECT_EQ(texts().text(French, 121).toUtf8(), QByteArray("\xc3\x89l\xc3\xa9mentaire"));
    EXPECT_EQ(texts().text(Spanish, 90).toUtf8(), QByteArray("Registrarse al bolet\xc3\xadn de noticias"));
    EXPECT_EQ(texts().text(Italian, 51).toUtf8(), QByteArray("Le radio pi\xc3\xb9 cliccate"));
}

// Properties over the whole table, guarding the hand-written translations as well.
struct TextAt
{
    int language;
    int n;
    QString text;
};

std::vector<TextAt> everyText()
{
    std::vector<TextAt> all;
    for (int language : AllLanguages) {
        for (int n = 1; n <= InterfaceTexts::EntryCount; ++n)
            all.push_back({ language, n, texts().text(language, n) });
    }
    return all;
}

bool isWesternEuropean(QChar c)
{
    const char16_t code = c.unicode();
    return (code >= 0x20 && code < 0x7f) || (code >= 0xa0 && code <= 0xff);
}

TEST(WholeTable, EveryCharacterIsPrintableWesternEuropeanOrTheMessageBoxLineBreak)
{
    for (const TextAt &at : everyText()) {
        for (QChar c : at.text) {
            const bool lineBreakOfProxyQuestion = c == QLatin1Char('\r') && at.n == 81;
            EXPECT_TRUE(isWesternEuropean(c) || lineBreakOfProxyQuestion)
                << "language " << at.language << " entry " << at.n << " character " << static_cast<int>(c.unicode());
        }
    }
}

TEST(WholeTable, NoBreakSpaceOnlyInTheItalianProxyQuestions)
{
    for (const TextAt &at : everyText()) {
        const bool expected = at.language == Italian && (at.n == 69 || at.n == 75);
        EXPECT_EQ(at.text.count(QChar(0xa0)), expected ? 1 : 0) << "language " << at.language << " entry " << at.n;
    }
}

TEST(WholeTable, OnlySpanishPuertaHasSurroundingSpaces)
{
    for (const TextAt &at : everyText()) {
        const bool expected = at.language == Spanish && at.n == 79;
        EXPECT_EQ(at.text != at.text.trimmed(), expected) << "language " << at.language << " entry " << at.n;
    }
}

TEST(WholeTable, StationLoadingLabelsStayItalianInFrenchAndSpanish)
{
    for (int n : { 126, 127, 128 }) {
        EXPECT_EQ(texts().text(French, n), texts().text(Italian, n)) << "entry " << n;
        EXPECT_EQ(texts().text(Spanish, n), texts().text(Italian, n)) << "entry " << n;
        EXPECT_NE(texts().text(English, n), texts().text(Italian, n)) << "entry " << n;
    }
}

struct Lookup
{
    int language;
    int n;
};

void PrintTo(const Lookup &lookup, std::ostream *out)
{
    *out << "language " << lookup.language << " entry " << lookup.n;
}

class OutOfRange : public testing::TestWithParam<Lookup>
{
};

TEST_P(OutOfRange, GivesEmptyText) { EXPECT_TRUE(texts().text(GetParam().language, GetParam().n).isEmpty()); }

INSTANTIATE_TEST_SUITE_P(InterfaceTexts, OutOfRange,
    testing::Values(Lookup { Italian, 0 }, Lookup { Italian, 133 }, Lookup { Italian, -1 }, Lookup { Spanish, 133 },
        Lookup { Spanish, INT_MAX }, Lookup { Italian, INT_MIN }, Lookup { 0, 1 }, Lookup { 5, 1 }, Lookup { -1, 1 },
        Lookup { 5, 129 }, Lookup { INT_MIN, 1 }, Lookup { INT_MAX, 129 }));

// The first and last language and entry that hold text, so a bound that is off
// by one in either direction shows up here or in OutOfRange.
TEST(InRange, FirstAndLastFilledCornersAreReachable)
{
    EXPECT_EQ(texts().text(Italian, 1), QStringLiteral("File"));
    EXPECT_EQ(texts().text(Spanish, 1), QStringLiteral("Archivo"));
    EXPECT_EQ(texts().text(Italian, 129), QStringLiteral("Informazioni utente"));
    EXPECT_FALSE(texts().text(Spanish, 129).isEmpty());
    EXPECT_NE(texts().text(Spanish, 129), texts().text(Italian, 129));
}

struct Stored
{
    int stored;
    int applied;
};

void PrintTo(const Stored &value, std::ostream *out)
{
    *out << "stored " << value.stored << " applied " << value.applied;
}

class LanguageFromStored : public testing::TestWithParam<Stored>
{
};

TEST_P(LanguageFromStored, KeepsOneToFourAndFallsBackToItalian)
{
    EXPECT_EQ(InterfaceTexts::languageFromStored(GetParam().stored), GetParam().applied);
}

INSTANTIATE_TEST_SUITE_P(InterfaceTexts, LanguageFromStored,
    testing::Values(Stored { INT_MIN, Italian }, Stored { -1, Italian }, Stored { 0, Italian }, Stored { 1, Italian },
        Stored { 2, English }, Stored { 3, French }, Stored { 4, Spanish }, Stored { 5, Italian },
        Stored { INT_MAX, Italian }));

} // namespace
