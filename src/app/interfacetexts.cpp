#include "app/interfacetexts.h"

namespace {

struct Row
{
    int n;
    const char16_t *italian;
    const char16_t *english;
    const char16_t *french;
    const char16_t *spanish;
};

// Kept exactly as the program has always shown them, spelling and spacing
// included. "\r" separates the lines of a message box; "\u00a0" is a no-break
// space. Entries 126 to 128 were never translated into French and Spanish.
constexpr Row rows[] = {
    { 1, u"File", u"File", u"Fichier", u"Archivo" },
    { 2, u"Esci", u"Exit", u"Quitter", u"Salir" },
    { 3, u"Lingua", u"Language", u"Langue", u"Idioma" },
    { 7, u"Visualizza", u"View", u"Affichage", u"Ver" },
    { 8, u"Rimpicciolisci in alto", u"Minimize Up", u"Réduire en haut", u"Redimensionar en alto" },
    { 9, u"Ripristina", u"Restore", u"Restaurer", u"Restaurar" },
    { 10, u"Riduci a icona", u"Minimize", u"Réduire", u"Minimizar" },
    { 11, u"A tutto schermo", u"Full screen", u"Plein écran", u"Pantalla completa" },
    { 12, u"Link utili", u"Useful links", u"Liens utiles", u"Enlaces útiles" },
    { 13, u"HOT video", u"HOT video", u"HOT video", u"Videos HOT" },
    { 14, u"Opzioni", u"Options", u"Options", u"Opciones" },
    { 16, u"Gestione proxy", u"Proxy settings", u"Paramètres du proxy", u"Configuración del proxy" },
    { 17, u"News e Meteo", u"News and weather", u"Actualités et météo", u"Noticias y tiempo" },
    { 18, u"Radio", u"Radio", u"Radio", u"Radio" },
    { 19, u"Visualizza tutte le emittenti", u"Show all stations", u"Afficher toutes les stations",
        u"Ver todas las emisoras" },
    { 20, u"Ricerca Radio", u"Search radio", u"Rechercher une radio", u"Buscar radio" },
    { 21, u"Radio o sito Web Personale", u"Personal radio or website", u"Radio ou site web personnel",
        u"Radio o sitio web personal" },
    { 22, u"Inserire l'indirizzo del sito web da visualizzare", u"Insert website to visualize",
        u"Insérer l'adresse du site web à afficher", u"Inserir la pagina que quiere ver" },
    { 23, u"Sito Web", u"WebSite", u"Site Web", u"Pagina Web" },
    { 25, u"Opzioni di avvio", u"Startup options", u"Options de démarrage", u"Opciones de inicio" },
    { 26, u"Esecuzione automatica \"avvia in automatico il software Sonvela\"",
        u"Startup \"start on automatic the Sonvela software\"",
        u"Exécution automatique \"démarrage automatique du programme Sonvela\"", u"Ejecucion Automatica de Sonvela" },
    { 27, u"Esegui la mia radio preferita in automatico", u"Play my favourite radio automatically",
        u"Lancer automatiquement ma radio préférée", u"Reproducir automáticamente mi radio favorita" },
    { 28, u"Visualizza Googlesearch all'avvio", u"Show Googlesearch at startup", u"Afficher Googlesearch au démarrage",
        u"Mostrar Googlesearch al iniciar" },
    { 29, u"Attiva plug-in per la musica di MSN Messenger", u"Enable the MSN Messenger music plug-in",
        u"Activer le plug-in musique de MSN Messenger", u"Activar el plug-in de música de MSN Messenger" },
    { 30, u"Radio Personali", u"Personal radios", u"Radios personnelles", u"Radios personales" },
    { 31, u"Cancella", u"Delete", u"Supprimer", u"Borrar" },
    { 32, u"Cambia", u"Change", u"Changer", u"Cambiar" },
    { 33, u"Radio in Playlist", u"Radios in playlist", u"Radios dans la playlist", u"Radios en la lista" },
    { 34, u"Attiva timer", u"Enable timer", u"Activer le minuteur", u"Activar temporizador" },
    { 37, u"Cancella emittente", u"Delete station", u"Supprimer la station", u"Borrar emisora" },
    { 38, u"Aggiungi emittente", u"Add station", u"Ajouter une station", u"Añadir emisora" },
    { 39, u"Esci senza salvare", u"Exit without saving", u"Quitter sans enregistrer", u"Salir sin guardar" },
    { 40, u"Salva ed esci", u"Save and exit", u"Enregistrer et quitter", u"Guardar y salir" },
    { 42, u"Ricerca Radio", u"Search radio", u"Chercher radio", u"Buscar radio" },
    { 43, u"Visualizza tutte", u"Show all", u"Tout afficher", u"Ver todas" },
    { 45, u"Torna alla pagina precedente", u"Back to the previous page", u"Revenir à la page précédente",
        u"Volver a la página anterior" },
    { 46, u"Vai alla pagina successiva", u"Go to the next page", u"Aller à la page suivante",
        u"Ir a la página siguiente" },
    { 49, u"Clicca per ascoltare", u"Click to listen", u"Cliquer pour écouter", u"Haz clic para escuchar" },
    { 51, u"Le radio più cliccate", u"Most clicked radios", u"Les radios les plus cliquées",
        u"Las radios más visitadas" },
    { 53, u"Le radio preferite", u"Favourite radios", u"Les radios préférées", u"Las radios favoritas" },
    { 60, u"Caricamento in corso", u"Loading", u"Chargement en cours", u"Cargando..." },
    { 61, u"Altre Radio", u"Other Radio", u"Autre Radio", u"Otras Radios" },
    { 62, u"Radio personale", u"Personal Radio", u"Radio personnelle", u"Radio Personal" },
    { 63, u"Stai ascoltando", u"You are listening", u"Tu écoutes", u"Estas escuchando" },
    { 65, u"Clicca per accedere", u"Click to go", u"Cliquer pour accéder", u"Cliquear para acceder" },
    { 67, u"Caricamento in corso", u"Loading", u"Chargement en cours", u"Cargando.." },
    { 69, u"Indirizzo Ip server Proxy già\u00a0 presente.Si desidera annullare il precedente inserimento?",
        u"Ip server address Proxy already present.Is desire to cancel the previous insertion?",
        u"Adresse IP serveur Proxy déjà présent. Vous désirez annuler la précédente insertion?",
        u"Direccion PROXY ya existente, deseas anular la inserción?" },
    { 70, u"Conferma", u"Confirm", u"Confirmer", u"Confirmar" },
    { 72, u"Inserire l'indirizzo del server proxy", u"Enter the proxy server address",
        u"Saisir l'adresse du serveur proxy", u"Introduzca la dirección del servidor proxy" },
    { 73, u"Indirizzo", u"Address", u"Adresse", u"Dirección" },
    { 75, u"Porta server Proxy già\u00a0 presente.Si desidera annullare il precedente inserimento?",
        u"Port server Proxy already present.Is desire to cancel the previous insertion?",
        u"Porte du serveur Proxy déjà présente. Vous désirez annuler la précédente insertion?",
        u"Puerta  PROXY ya existente, deseas anular la inserción?" },
    { 76, u"Conferma", u"Confirm", u"Confirmer", u"Confirmar" },
    { 78, u"Inserire la porta del server proxy", u"Enter the proxy server port", u"Saisir le port du serveur proxy",
        u"Introduzca el puerto del servidor proxy" },
    { 79, u"Porta", u"Port", u"Porte", u"Puerta  " },
    { 81,
        u"Nessun proxy settato!\rUsare le impostazioni predefinite di Internet Explorer?\r"
        u"Cliccare NO per uscire direttamente senza proxy!",
        u"Nobody proxy setting! Use the default settings of Internet Explorer? "
        u"Click NO to direct exit without proxy!",
        u"Aucun serveur proxy choisi!\r! Utiliser les critères prédéfinis d'Internet Explorer?\r"
        u"Cliquer NON pour sortir directement sans proxy!",
        u"No has elegido ningun proxy!\rUsar impostaciones predefinidas de Internet explorer?\r"
        u"cliquear NO para salir sin PROXY" },
    { 82, u"Conferma", u"Confirm", u"Confirmer", u"Confirmar" },
    { 87, u"Ricerca Radio/Tv", u"Radio/TV search", u"Recherche radio/TV", u"Búsqueda de radio/TV" },
    { 88, u"Visualizza l'elenco completo delle radio e tv disponibili",
        u"Show the full list of available radio and TV stations",
        u"Afficher la liste complète des radios et télévisions disponibles",
        u"Ver la lista completa de radios y televisiones disponibles" },
    { 90, u"Iscriviti alla newsletter", u"Register on newsletter", u"Inscrit toi à la newsletter",
        u"Registrarse al boletín de noticias" },
    { 93, u"Torna alla pagina precedente", u"Back to the previous page", u"Revenir à la page précédente",
        u"Volver a la página anterior" },
    { 94, u"Vai alla pagina successiva", u"Go to the next page", u"Aller à la page suivante",
        u"Ir a la página siguiente" },
    { 100, u"Altre Radio", u"Other Radio", u"Autre Radio", u"Otras Radios" },
    { 101, u"Radio personale", u"Personal Radio", u"Radio personnelle", u"Radio Personal" },
    { 117, u"Nuova partita", u"New Game", u"Nouveau jeu", u"Nuevo patido" },
    { 118, u"Completa per me!!!", u"Complete for me!!!", u"Complète pour moi!!!", u"Completo para mi!!!" },
    { 119, u"Controllo dinamico errori", u"Dynamic error check", u"Contrôle dynamique des erreurs",
        u"Control dinámico de errores" },
    { 120, u"Livello", u"Level", u"Niveau", u"Nivel" },
    { 121, u"Elementare", u"Beginner", u"Élémentaire", u"Elementary" },
    { 122, u"Facile", u"Easy", u"Facile", u"Fácil" },
    { 123, u"Medio", u"Medium", u"Moyen", u"Medio" },
    { 124, u"Difficile", u"Hard", u"Difficile", u"Difícil" },
    { 125, u"Esperto", u"Expert", u"Expert", u"Expertos" },
    { 126, u"Caricamento emittenti in corso", u"Loading radio", u"Caricamento emittenti in corso",
        u"Caricamento emittenti in corso" },
    { 127, u"Nessuna emittente personale impostata", u"No personal radio", u"Nessuna emittente personale impostata",
        u"Nessuna emittente personale impostata" },
    { 128, u"Caricamento emittenti in corso", u"Loading radio", u"Caricamento emittenti in corso",
        u"Caricamento emittenti in corso" },
    { 129, u"Informazioni utente", u"User information", u"Informations utilisateur", u"Información del usuario" },
    // The Linux client's own messages.
    { 131, u"Impossibile usare il server proxy \"%1\": la connessione resta quella di prima. "
           u"Controllare l'indirizzo e la porta.",
        u"The proxy server \"%1\" cannot be used: the connection stays as it was. Check the address and the port.",
        u"Impossible d'utiliser le serveur proxy \"%1\" : la connexion reste inchangée. "
        u"Vérifiez l'adresse et le port.",
        u"No se puede usar el servidor proxy \"%1\": la conexión sigue como antes. "
        u"Compruebe la dirección y el puerto." },
    { 132, u"Impossibile aprire \"%1\": nessun programma installato può aprirlo.",
        u"Cannot open \"%1\": no installed program can open it.",
        u"Impossible d'ouvrir \"%1\" : aucun programme installé ne peut l'ouvrir.",
        u"No se puede abrir \"%1\": ningún programa instalado puede abrirlo." },
};

constexpr bool inRange(int value, int last) { return value >= 1 && value <= last; }

// Ascending numbers, so a duplicated or mistyped row fails the build.
constexpr bool rowsAreOrdered()
{
    int previous = 0;
    for (const Row &row : rows) {
        if (row.n <= previous || !inRange(row.n, InterfaceTexts::EntryCount))
            return false;
        previous = row.n;
    }
    return true;
}
static_assert(rowsAreOrdered());

} // namespace

InterfaceTexts::InterfaceTexts()
{
    for (const Row &row : rows) {
        const std::size_t entry = static_cast<std::size_t>(row.n - 1);
        m_texts[Italian - 1][entry] = QString::fromUtf16(row.italian);
        m_texts[English - 1][entry] = QString::fromUtf16(row.english);
        m_texts[French - 1][entry] = QString::fromUtf16(row.french);
        m_texts[Spanish - 1][entry] = QString::fromUtf16(row.spanish);
    }
}

QString InterfaceTexts::text(int language, int n) const
{
    if (!inRange(language, LanguageCount) || !inRange(n, EntryCount))
        return {};
    return m_texts[static_cast<std::size_t>(language - 1)][static_cast<std::size_t>(n - 1)];
}

int InterfaceTexts::languageFromStored(int stored) { return inRange(stored, LanguageCount) ? stored : Italian; }
