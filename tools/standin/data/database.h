#pragma once

#include "newsitem.h"
#include "privacychoices.h"
#include "station.h"
#include "useraccount.h"

#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

class DatabaseError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The service's data in SQLite. One connection shared by every listener
// thread, so each call takes the lock; a fresh database is seeded on open.
class Database final
{
public:
    // An empty path or ":memory:" keeps everything in memory.
    explicit Database(const std::string &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Values a user may keep on the server; more are refused, so one client
    // appending forever cannot fill the disk.
    static constexpr int MaxOptionValues = 1000;
    // Newsletter addresses anyone may add; more are ignored, for the same reason.
    static constexpr int MaxNewsletterAddresses = 10000;

    // The lists hold the stations on offer; station(id) also finds one that
    // has left its list, so that its page can say so.
    std::vector<Station> stations(int offset = 0, int count = -1) const; // by name
    std::optional<Station> station(int id) const;
    std::vector<Station> mostClicked(int count) const;
    std::vector<Station> newest(int count) const;
    // By name, label, tags and country, most clicked first.
    std::vector<Station> search(const std::string &text, int offset = 0, int count = -1) const;
    int searchCount(const std::string &text) const;
    int stationCount() const;

    // Puts these stations on offer in place of all others, in one
    // transaction. Each keeps the id its uuid had before, and a uuid never
    // seen gets an id never used: favourites name the same station for good.
    void importStations(const std::vector<Station> &stations);
    bool hasImportedStations() const;
    // Offers the seed stations alone, as a fresh database does.
    void offerSeedStations();

    std::optional<UserAccount> userByEmail(const std::string &email) const;
    std::optional<UserAccount> userById(int id) const;
    int addUser(const std::string &email, const std::string &password);
    void setPasswordHash(int userId, const std::string &hash);

    std::vector<std::string> options(int userId) const;
    void replaceOptions(int userId, const std::vector<std::string> &values);
    // False, and nothing stored, when the values would pass MaxOptionValues.
    bool appendOptions(int userId, const std::vector<std::string> &values);

    std::vector<NewsItem> news(int category) const;

    PrivacyChoices privacy(int userId) const;
    void setPrivacy(int userId, const PrivacyChoices &choices);

    // False when the list is full and the address was not added.
    bool addNewsletterAddress(const std::string &email);
    bool hasNewsletterAddress(const std::string &email) const;

private:
    void createSchema();
    void addMissingStationColumns();
    int idForUuid(const std::string &uuid);
    void seedIfEmpty();
    void exec(const char *sql);
    void inTransaction(const std::function<void()> &work);
    void insertOptions(int userId, int firstPosition, const std::vector<std::string> &values);
    std::vector<Station> queryStations(const std::string &sql, const std::string &text, int offset, int count) const;

    mutable std::mutex m_mutex;
    sqlite3 *m_db = nullptr;
};
