#include "seeddata.h"

#include <array>

namespace SeedData {

const std::vector<Station> &stations()
{
    static const std::vector<Station> list = {
        {1, "Radio Aurora", "Aurora · pop italiano", 4210, "2025-03-14"},
        {2, "Onda Città", "Onda Città · news", 3980, "2025-01-20"},
        {3, "Radio Libertà", "Libertà · cantautori", 3725, "2024-11-02"},
        {4, "Rock & Blues Network", "Rock & Blues", 3650, "2025-06-30"},
        {5, "Canale #1 Hits", "Canale #1 · hit", 2210, "2026-11-28"},
        {6, "Jazz Café Milano", "Jazz Café", 3420, "2024-09-12"},
        {7, "Radio Perù Andina", "Perù Andina", 1190, "2026-10-05"},
        {8, "Sinfonia Più", "Sinfonia Più · classica", 3310, "2025-02-17"},
        {9, "Radio Ventidue", "Ventidue", 980, "2026-11-30"},
        {10, "Mare Blu FM", "Mare Blu", 3105, "2024-07-01"},
        {11, "Radio Zürich Klassik", "Zürich Klassik", 870, "2026-09-21"},
        {12, "Voce del Sud", "Voce del Sud", 2990, "2024-05-23"},
        {13, "Radio Città Futura", "Città Futura", 2875, "2024-04-11"},
        {14, "Notturno Italiano", "Notturno · soft", 2760, "2024-12-08"},
        {15, "Radio Sorriso", "Sorriso", 2640, "2025-08-19"},
        {16, "Ritmo Latino", "Ritmo Latino", 2530, "2025-10-10"},
        {17, "Radio Montagna", "Montagna · folk", 2420, "2024-03-03"},
        {18, "Dolce Vita FM", "Dolce Vita", 2315, "2025-05-05"},
        {19, "Radio Électro", "Électro · dance", 760, "2026-08-14"},
        {20, "Radio Naïf", "Naïf · indie", 655, "2026-07-30"},
        {21, "Emozioni Anni '80", "Anni '80", 2105, "2024-10-27"},
        {22, "Radio Bellavista", "Bellavista", 1995, "2025-04-04"},
        {23, "Stazione Cuore", "Cuore · romantica", 1880, "2024-02-14"},
        {24, "Radio Piazza Grande", "Piazza Grande", 540, "2026-07-02"},
        {25, "Folk Città Aperta", "Folk Città Aperta", 1770, "2024-06-18"},
        {26, "Radio Señorita", "Señorita · latino", 430, "2026-06-11"},
        {27, "Lounge Ätna", "Lounge Ätna", 1660, "2025-07-07"},
        {28, "Radio Tramonto", "Tramonto · chill", 1550, "2025-09-09"},
        {29, "Caffè Sonoro", "Caffè Sonoro", 320, "2026-05-26"},
        {30, "Radio Fiume", "Fiume", 1440, "2024-08-08"},
        {31, "Nuova Onda Jazz", "Nuova Onda Jazz", 1330, "2025-11-11"},
        {32, "Radio Crêpe", "Crêpe · chanson", 215, "2026-05-01"},
        {33, "Radio Mistral", "Mistral", 1225, "2024-01-15"},
        {34, "Dance Òmnibus", "Dance Òmnibus", 110, "2026-04-18"},
        {35, "Radio Gioventù", "Gioventù", 1115, "2025-12-12"},
        {36, "Radio Castello", "Castello", 1005, "2024-12-24"},
        {37, "Il Grammofono", "Il Grammofono · vintage", 905, "2025-03-30"},
        {38, "Radio Lago d'Orta", "Lago d'Orta", 85, "2026-03-22"},
        {39, "Ciné Musique", "Ciné Musique · colonne sonore", 795, "2025-06-06"},
        {40, "Radio Porto", "Porto", 60, "2026-02-14"},
        {41, "Sound Città del Capo", "Città del Capo", 690, "2024-11-30"},
        {42, "Radio Ámbar", "Ámbar", 45, "2026-01-31"},
        {43, "Radio Collina", "Collina", 585, "2025-01-01"},
        {44,
         "Radio Comunitaria della Valle dell'Alto Tevere e dei Monti Sibillini – musica, notizie, sport, cultura "
         "e tradizioni popolari delle nostre città",
         "Valle dell'Alto Tevere", 30, "2026-12-01"},
    };
    return list;
}

std::vector<std::string> demoOptions()
{
    const auto slot = [](int id) {
        const Station &s = stations().at(static_cast<std::size_t>(id - 1));
        return std::array<std::string, 3>{std::to_string(s.id), s.name, s.label};
    };
    const std::array<std::string, 3> empty = {"0", "", ""};
    // Favourites: slots 1 to 4 and 6 filled, slot 5 and 7 to 15 empty.
    const std::array<std::array<std::string, 3>, 15> slots = {slot(6), slot(4), slot(17), slot(8), empty,
                                                              slot(27), empty, empty, empty, empty,
                                                              empty, empty, empty, empty, empty};
    std::vector<std::string> lines = {"NO", "SI", "6", slot(6)[1]};
    for (std::size_t n = 0; n < 5; ++n)
        lines.insert(lines.end(), slots[n].begin(), slots[n].end());
    lines.insert(lines.end(), {"SI", "SI", "NO"});
    for (std::size_t n = 5; n < 15; ++n)
        lines.insert(lines.end(), slots[n].begin(), slots[n].end());
    lines.push_back("1");
    return lines;
}

std::vector<std::string> defaultOptions()
{
    std::vector<std::string> lines = {"NO", "NO", "0", ""};
    for (int n = 0; n < 5; ++n)
        lines.insert(lines.end(), {"0", "", ""});
    lines.insert(lines.end(), {"SI", "SI", "NO"});
    for (int n = 5; n < 15; ++n)
        lines.insert(lines.end(), {"0", "", ""});
    lines.push_back("1");
    return lines;
}

const char *categoryCaption(int category)
{
    static constexpr std::array<const char *, 15> captions = {
        "Top News", "News in English", "News dall'Italia", "News dal Mondo", "Calcio",
        "Sport in generale", "Spettacolo", "Cultura e società", "Economia e finanza", "Scieza",
        "Internet", "Moda", "Musica", "Cinema", "Meteo"};
    if (category < 1 || category > newsCategoryCount)
        return "";
    return captions[static_cast<std::size_t>(category - 1)];
}

std::vector<NewsItem> news()
{
    return {
        {1, "Nuove frequenze digitali in tutta la penisola", "Il piano nazionale porta la radio digitale in altre 40 città entro l'estate."},
        {1, "Il festival della canzone annuncia i giurati", "Cinque artisti e due critici sceglieranno i vincitori dell'edizione di quest'anno."},
        {1, "Treni regionali: orari estivi dal primo giugno", "Più corse serali sulle linee costiere e nelle valli alpine."},
        {2, "Community radio stations see record audiences", "Local broadcasters report their best listening figures in a decade."},
        {2, "New podcast charts launched across Europe", "Weekly rankings will combine downloads and live radio streams."},
        {3, "Venezia, riapre il ponte restaurato", "Dopo due anni di lavori il ponte torna percorribile a piedi."},
        {3, "Sagre d'autunno: il calendario regione per regione", "Castagne, funghi e vino novello nelle piazze di tutta Italia."},
        {3, "Scuole: più ore di musica alle medie", "Il nuovo programma prevede due ore settimanali di educazione musicale."},
        {4, "Vertice sul clima, accordo sulle rinnovabili", "I paesi partecipanti si impegnano a raddoppiare l'energia pulita entro il 2035."},
        {4, "Festival di Edimburgo da record", "Oltre tre milioni di biglietti venduti in tre settimane."},
        {5, "Derby all'ultimo minuto", "Un gol di testa al novantesimo decide la sfida cittadina."},
        {5, "Nazionale: convocati due esordienti", "Il commissario tecnico premia i giovani del campionato."},
        {5, "Coppa: sorteggiati i quarti di finale", "Sfide incrociate tra nord e sud nel prossimo turno."},
        {6, "Giro ciclistico, tappa alle Dolomiti", "Arrivo in salita con pendenze fino al 14 per cento."},
        {6, "Pallavolo: la nazionale femminile in finale", "Tre set a uno contro le campionesse in carica."},
        {7, "Torna in tour la band degli anni '90", "Venti date nei palasport a partire da marzo."},
        {7, "Teatro: sold out per la prima della stagione", "Applausi per la nuova regia dell'opera di Verdi."},
        {8, "Musei gratis la prima domenica del mese", "Aperture straordinarie anche in serata in molte città."},
        {8, "Premio letterario a una giovane autrice", "Il romanzo d'esordio racconta tre generazioni di una famiglia."},
        {9, "Borse europee in rialzo", "Bene i titoli tecnologici, stabile lo spread."},
        {9, "Inflazione in calo a novembre", "I prezzi dell'energia trascinano l'indice verso il basso."},
        {10, "Scoperto un nuovo esopianeta roccioso", "Si trova a 40 anni luce e potrebbe ospitare acqua liquida."},
        {10, "Satellite italiano per lo studio dei ghiacciai", "Il lancio è previsto per la prossima primavera."},
        {11, "Banda ultralarga in 500 nuovi comuni", "Connessioni fino a un gigabit anche nei piccoli centri."},
        {11, "Software libero nella pubblica amministrazione", "Le linee guida incoraggiano il riuso del codice."},
        {13, "Il vinile supera il CD nelle vendite", "Per il terzo anno consecutivo cresce il mercato dei dischi."},
        {13, "Un'orchestra giovanile in tournée in Giappone", "Sessanta musicisti sotto i 25 anni suoneranno a Tokyo e Osaka."},
        {13, "Radio e streaming: ascolti in crescita", "Sempre più ascoltatori seguono le dirette dal computer."},
        {14, "Festival del cinema: vince un film d'esordio", "Il Leone d'oro va a una regista di 29 anni."},
        {14, "Sale cinematografiche, biglietto ridotto il mercoledì", "L'iniziativa durerà fino alla fine dell'anno."},
        {15, "Sereno al nord, piogge al sud", "Temperature in lieve calo nel fine settimana; venti da nord-est."},
        {15, "Neve sulle Alpi sopra i 1500 metri", "Attese nevicate abbondanti tra domenica e lunedì."},
        {15, "Mari mossi sullo Ionio", "Avviso di burrasca per le coste calabresi."},
    };
}

} // namespace SeedData
