#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Where this installation finds the service: six mirrors, the product's and
// the maker's sites, two partner sites and a few display names. Built-in
// defaults name the stand-in service on loopback.
struct Deployment
{
    static constexpr int MirrorCount = 6;
    static constexpr int MaxHostLength = 50;

    std::array<QString, MirrorCount> mirrors;
    QString selectionTitle;
    // [service] stations: where the service Sonvela starts on 127.0.0.1 finds
    // its stations: "directory", "seed" or "m3u:PATH". Empty: the directory.
    // A file that sets it and keeps the built-in mirrors asks for that service.
    QString stations;
    QString product;
    QString maker;
    QString partner1;
    QString partner2;
    QString productDomain;
    QString makerDomain;

    // [about]: what the About window shows. An empty site or forum follows
    // the maker's host; translators are separated by '|' in the file.
    QString site;
    QString forum;
    QString credit;
    QStringList translators;

    static Deployment defaults();

    // "http://" + the site's host.
    QString productAddress() const { return QStringLiteral("http://") + product; }
    QString makerAddress() const { return QStringLiteral("http://") + maker; }
    QString siteAddress() const { return site.isEmpty() ? makerAddress() : site; }
    QString forumAddress() const { return forum.isEmpty() ? siteAddress() + QStringLiteral("/forum") : forum; }
};

struct DeploymentReading
{
    Deployment deployment;
    QString source;       // the file read, empty for the built-in defaults
    QStringList problems; // one clear message per bad line, naming file and line
};

// Reads deployment.ini text. Keys left out keep their defaults; a bad line is
// reported and skipped, so one typo never loses the rest of the file.
DeploymentReading parseDeployment(const QString &text, const QString &fileName);

// Looks for deployment.ini in each folder in turn and reads the first found.
DeploymentReading loadDeployment(const QStringList &folders);
