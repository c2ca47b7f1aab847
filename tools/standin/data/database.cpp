#include "database.h"

#include "passwordhash.h"
#include "seeddata.h"

#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <utility>

namespace {

// One prepared statement, finalised on every way out.
class Statement final
{
public:
    Statement(sqlite3 *db, const char *sql)
        : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            throw DatabaseError(std::string("cannot prepare: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    Statement &bind(int index, int value)
    {
        sqlite3_bind_int(m_stmt, index, value);
        return *this;
    }
    Statement &bind(int index, const std::string &value)
    {
        sqlite3_bind_text(m_stmt, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // True while a row is available.
    bool step()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw DatabaseError(std::string("query failed: ") + sqlite3_errmsg(m_db));
        return false;
    }
    void reset()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    int integer(int column) const { return sqlite3_column_int(m_stmt, column); }
    std::string text(int column) const
    {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column))) : std::string();
    }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

Station stationOf(const Statement &s)
{
    Station station{s.integer(0), s.text(1), s.text(2), s.integer(3), s.text(4)};
    station.uuid = s.text(5);
    station.streamUrl = s.text(6);
    station.homepage = s.text(7);
    station.favicon = s.text(8);
    station.country = s.text(9);
    station.tags = s.text(10);
    station.codec = s.text(11);
    station.bitrate = s.integer(12);
    station.available = s.integer(13) != 0;
    return station;
}

// LIKE treats '%' and '_' as wildcards; a search for them must find them.
std::string likePattern(const std::string &text)
{
    std::string pattern = "%";
    for (const char c : text) {
        if (c == '%' || c == '_' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
    return buf;
}

constexpr const char *stationColumns = "SELECT id, name, label, clicks, added, uuid, stream, homepage, favicon, "
                                       "country, tags, codec, bitrate, available FROM stations ";
constexpr const char *onOffer = "WHERE available = 1 ";
constexpr const char *matching = "AND (name LIKE ?1 ESCAPE '\\' OR label LIKE ?1 ESCAPE '\\' OR tags LIKE ?1 ESCAPE "
                                 "'\\' OR country LIKE ?1 ESCAPE '\\') ";

// Columns that came with imported stations; a database file written before
// them gets them added, its seed stations keeping their rows.
constexpr std::pair<const char *, const char *> importColumns[] = {
    {"uuid", "TEXT NOT NULL DEFAULT ''"},   {"stream", "TEXT NOT NULL DEFAULT ''"},
    {"homepage", "TEXT NOT NULL DEFAULT ''"}, {"favicon", "TEXT NOT NULL DEFAULT ''"},
    {"country", "TEXT NOT NULL DEFAULT ''"}, {"tags", "TEXT NOT NULL DEFAULT ''"},
    {"codec", "TEXT NOT NULL DEFAULT ''"},   {"bitrate", "INTEGER NOT NULL DEFAULT 0"},
    {"available", "INTEGER NOT NULL DEFAULT 1"}};

} // namespace

Database::Database(const std::string &path)
{
    const std::string file = path.empty() ? ":memory:" : path;
    if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr)
        != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw DatabaseError("cannot open database " + file + ": " + message);
    }
    sqlite3_busy_timeout(m_db, 2000);
    // A killed stand-in must leave the last committed state behind, never half
    // a write: the write-ahead log gives that and lets readers go on meanwhile.
    exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    createSchema();
    addMissingStationColumns();
    seedIfEmpty();
}

Database::~Database()
{
    sqlite3_close(m_db);
}

void Database::exec(const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw DatabaseError(message);
    }
}

// All of `work` or none of it: a failure half-way leaves the file as it was.
void Database::inTransaction(const std::function<void()> &work)
{
    exec("BEGIN");
    try {
        work();
        exec("COMMIT");
    } catch (...) {
        exec("ROLLBACK");
        throw;
    }
}

void Database::createSchema()
{
    exec("CREATE TABLE IF NOT EXISTS stations (id INTEGER PRIMARY KEY, name TEXT NOT NULL, label TEXT NOT NULL,"
         " clicks INTEGER NOT NULL, added TEXT NOT NULL);"
         "CREATE TABLE IF NOT EXISTS users (id INTEGER PRIMARY KEY, email TEXT NOT NULL UNIQUE COLLATE NOCASE,"
         " salt TEXT NOT NULL, hash TEXT NOT NULL);"
         "CREATE TABLE IF NOT EXISTS options (user_id INTEGER NOT NULL, position INTEGER NOT NULL,"
         " value TEXT NOT NULL, PRIMARY KEY (user_id, position));"
         "CREATE TABLE IF NOT EXISTS news (id INTEGER PRIMARY KEY, category INTEGER NOT NULL,"
         " headline TEXT NOT NULL, body TEXT NOT NULL);"
         "CREATE TABLE IF NOT EXISTS privacy (user_id INTEGER PRIMARY KEY, newsletter INTEGER NOT NULL,"
         " statistics INTEGER NOT NULL, public_profile INTEGER NOT NULL);"
         "CREATE TABLE IF NOT EXISTS newsletter (email TEXT PRIMARY KEY COLLATE NOCASE, added TEXT NOT NULL);"
         // AUTOINCREMENT: an id once given is never given again. Imported
         // ids start above the seed stations' range.
         "CREATE TABLE IF NOT EXISTS station_ids (id INTEGER PRIMARY KEY AUTOINCREMENT, uuid TEXT NOT NULL UNIQUE);"
         "INSERT INTO sqlite_sequence (name, seq) SELECT 'station_ids', 1000 WHERE NOT EXISTS"
         " (SELECT 1 FROM sqlite_sequence WHERE name = 'station_ids');");
}

void Database::addMissingStationColumns()
{
    std::vector<std::string> present;
    {
        Statement info(m_db, "PRAGMA table_info(stations)");
        while (info.step())
            present.push_back(info.text(1));
    }
    for (const auto &[name, type] : importColumns)
        if (std::find(present.begin(), present.end(), name) == present.end())
            exec(("ALTER TABLE stations ADD COLUMN " + std::string(name) + " " + type).c_str());
}

void Database::seedIfEmpty()
{
    {
        Statement count(m_db, "SELECT COUNT(*) FROM stations");
        if (count.step() && count.integer(0) > 0)
            return;
    }
    inTransaction([&] {
        Statement station(m_db, "INSERT INTO stations (id, name, label, clicks, added) VALUES (?, ?, ?, ?, ?)");
        for (const Station &s : SeedData::stations()) {
            station.bind(1, s.id).bind(2, s.name).bind(3, s.label).bind(4, s.weeklyClicks).bind(5, s.added);
            station.step();
            station.reset();
        }
        Statement user(m_db, "INSERT INTO users VALUES (?, ?, ?, ?)");
        const auto addSeedUser = [&](int id, const char *email, const char *password) {
            user.bind(1, id).bind(2, std::string(email)).bind(3, std::string()).bind(4, hashPassword(password));
            user.step();
            user.reset();
        };
        addSeedUser(SeedData::demoUserId, SeedData::demoEmail, SeedData::demoPassword);
        addSeedUser(SeedData::secondUserId, SeedData::secondEmail, SeedData::secondPassword);
        insertOptions(SeedData::demoUserId, 1, SeedData::demoOptions());
        insertOptions(SeedData::secondUserId, 1, SeedData::defaultOptions());
        Statement item(m_db, "INSERT INTO news (category, headline, body) VALUES (?, ?, ?)");
        for (const NewsItem &n : SeedData::news()) {
            item.bind(1, n.category).bind(2, n.headline).bind(3, n.text);
            item.step();
            item.reset();
        }
    });
}

std::vector<Station> Database::queryStations(const std::string &sql, const std::string &text, int offset,
                                             int count) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, sql.c_str());
    if (!text.empty())
        s.bind(1, likePattern(text));
    s.bind(2, count).bind(3, offset);
    std::vector<Station> result;
    while (s.step())
        result.push_back(stationOf(s));
    return result;
}

std::vector<Station> Database::stations(int offset, int count) const
{
    return queryStations(std::string(stationColumns) + onOffer + "ORDER BY name COLLATE NOCASE, id LIMIT ?2 OFFSET ?3",
                         {}, offset, count);
}

std::optional<Station> Database::station(int id) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, (std::string(stationColumns) + "WHERE id = ?").c_str());
    s.bind(1, id);
    if (!s.step())
        return std::nullopt;
    return stationOf(s);
}

std::vector<Station> Database::mostClicked(int count) const
{
    return queryStations(std::string(stationColumns) + onOffer + "ORDER BY clicks DESC, id LIMIT ?2 OFFSET ?3", {}, 0,
                         count);
}

std::vector<Station> Database::newest(int count) const
{
    return queryStations(std::string(stationColumns) + onOffer + "ORDER BY added DESC, id DESC LIMIT ?2 OFFSET ?3", {},
                         0, count);
}

std::vector<Station> Database::search(const std::string &text, int offset, int count) const
{
    if (text.empty())
        return stations(offset, count);
    return queryStations(std::string(stationColumns) + onOffer + matching + "ORDER BY clicks DESC, id LIMIT ?2 OFFSET ?3",
                         text, offset, count);
}

int Database::searchCount(const std::string &text) const
{
    if (text.empty())
        return stationCount();
    std::lock_guard lock(m_mutex);
    Statement s(m_db, (std::string("SELECT COUNT(*) FROM stations ") + onOffer + matching).c_str());
    s.bind(1, likePattern(text));
    return s.step() ? s.integer(0) : 0;
}

int Database::stationCount() const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, (std::string("SELECT COUNT(*) FROM stations ") + onOffer).c_str());
    return s.step() ? s.integer(0) : 0;
}

int Database::idForUuid(const std::string &uuid)
{
    Statement find(m_db, "SELECT id FROM station_ids WHERE uuid = ?");
    find.bind(1, uuid);
    if (find.step())
        return find.integer(0);
    Statement add(m_db, "INSERT INTO station_ids (uuid) VALUES (?)");
    add.bind(1, uuid);
    add.step();
    return static_cast<int>(sqlite3_last_insert_rowid(m_db));
}

void Database::importStations(const std::vector<Station> &stations)
{
    std::lock_guard lock(m_mutex);
    inTransaction([&] {
        exec("UPDATE stations SET available = 0");
        Statement put(m_db, "INSERT OR REPLACE INTO stations (id, name, label, clicks, added, uuid, stream, homepage,"
                            " favicon, country, tags, codec, bitrate, available)"
                            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1)");
        for (const Station &s : stations) {
            put.bind(1, idForUuid(s.uuid)).bind(2, s.name).bind(3, s.label).bind(4, s.weeklyClicks).bind(5, s.added);
            put.bind(6, s.uuid).bind(7, s.streamUrl).bind(8, s.homepage).bind(9, s.favicon).bind(10, s.country);
            put.bind(11, s.tags).bind(12, s.codec).bind(13, s.bitrate);
            put.step();
            put.reset();
        }
    });
}

bool Database::hasImportedStations() const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "SELECT 1 FROM stations WHERE uuid != '' LIMIT 1");
    return s.step();
}

void Database::offerSeedStations()
{
    std::lock_guard lock(m_mutex);
    exec("UPDATE stations SET available = (uuid = '')");
}

std::optional<UserAccount> Database::userByEmail(const std::string &email) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "SELECT id, email, salt, hash FROM users WHERE email = ?");
    s.bind(1, email);
    if (!s.step())
        return std::nullopt;
    return UserAccount{s.integer(0), s.text(1), s.text(2), s.text(3)};
}

std::optional<UserAccount> Database::userById(int id) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "SELECT id, email, salt, hash FROM users WHERE id = ?");
    s.bind(1, id);
    if (!s.step())
        return std::nullopt;
    return UserAccount{s.integer(0), s.text(1), s.text(2), s.text(3)};
}

int Database::addUser(const std::string &email, const std::string &password)
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "INSERT INTO users (email, salt, hash) VALUES (?, '', ?)");
    s.bind(1, email).bind(2, hashPassword(password));
    s.step();
    return static_cast<int>(sqlite3_last_insert_rowid(m_db));
}

void Database::setPasswordHash(int userId, const std::string &hash)
{
    std::lock_guard lock(m_mutex);
    // The old salt goes with the old hash: the new one carries its own.
    Statement s(m_db, "UPDATE users SET salt = '', hash = ? WHERE id = ?");
    s.bind(1, hash).bind(2, userId);
    s.step();
}

std::vector<std::string> Database::options(int userId) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "SELECT value FROM options WHERE user_id = ? ORDER BY position");
    s.bind(1, userId);
    std::vector<std::string> values;
    while (s.step())
        values.push_back(s.text(0));
    return values;
}

void Database::insertOptions(int userId, int firstPosition, const std::vector<std::string> &values)
{
    Statement s(m_db, "INSERT INTO options VALUES (?, ?, ?)");
    int position = firstPosition;
    for (const std::string &v : values) {
        s.bind(1, userId).bind(2, position++).bind(3, v);
        s.step();
        s.reset();
    }
}

void Database::replaceOptions(int userId, const std::vector<std::string> &values)
{
    std::lock_guard lock(m_mutex);
    inTransaction([&] {
        Statement clear(m_db, "DELETE FROM options WHERE user_id = ?");
        clear.bind(1, userId);
        clear.step();
        const std::size_t kept = std::min(values.size(), std::size_t{MaxOptionValues});
        insertOptions(userId, 1, std::vector<std::string>(values.begin(), values.begin() + static_cast<long>(kept)));
    });
}

bool Database::appendOptions(int userId, const std::vector<std::string> &values)
{
    std::lock_guard lock(m_mutex);
    long long stored = 0;
    int lastPosition = 0;
    {
        Statement last(m_db, "SELECT COUNT(*), COALESCE(MAX(position), 0) FROM options WHERE user_id = ?");
        last.bind(1, userId);
        last.step();
        stored = last.integer(0);
        lastPosition = last.integer(1);
    }
    if (stored + static_cast<long long>(values.size()) > MaxOptionValues)
        return false;
    inTransaction([&] {
        insertOptions(userId, lastPosition + 1, values);
    });
    return true;
}

std::vector<NewsItem> Database::news(int category) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "SELECT category, headline, body FROM news WHERE category = ? ORDER BY id");
    s.bind(1, category);
    std::vector<NewsItem> items;
    while (s.step())
        items.push_back(NewsItem{s.integer(0), s.text(1), s.text(2)});
    return items;
}

PrivacyChoices Database::privacy(int userId) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "SELECT newsletter, statistics, public_profile FROM privacy WHERE user_id = ?");
    s.bind(1, userId);
    if (!s.step())
        return PrivacyChoices{};
    return PrivacyChoices{s.integer(0) != 0, s.integer(1) != 0, s.integer(2) != 0};
}

void Database::setPrivacy(int userId, const PrivacyChoices &choices)
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "INSERT OR REPLACE INTO privacy VALUES (?, ?, ?, ?)");
    s.bind(1, userId).bind(2, choices.newsletter ? 1 : 0).bind(3, choices.statistics ? 1 : 0);
    s.bind(4, choices.publicProfile ? 1 : 0);
    s.step();
}

bool Database::addNewsletterAddress(const std::string &email)
{
    std::lock_guard lock(m_mutex);
    {
        Statement count(m_db, "SELECT COUNT(*) FROM newsletter");
        if (count.step() && count.integer(0) >= MaxNewsletterAddresses)
            return false;
    }
    Statement s(m_db, "INSERT OR IGNORE INTO newsletter VALUES (?, ?)");
    s.bind(1, email).bind(2, today());
    s.step();
    return true;
}

bool Database::hasNewsletterAddress(const std::string &email) const
{
    std::lock_guard lock(m_mutex);
    Statement s(m_db, "SELECT 1 FROM newsletter WHERE email = ?");
    s.bind(1, email);
    return s.step();
}
