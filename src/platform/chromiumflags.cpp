#include "chromiumflags.h"

namespace {

const QByteArray Switch = "--disable-features=";

const QByteArray ProcessModels[] = { "--process-per-site", "--process-per-tab", "--site-per-process",
                                     "--single-process" };

QList<QByteArray> wordsOf(const QByteArray &flags)
{
    QList<QByteArray> words = flags.simplified().split(' ');
    words.removeAll(QByteArray());
    return words;
}

} // namespace

QByteArray withFeaturesDisabled(const QByteArray &flags, const QStringList &features)
{
    QList<QByteArray> words = wordsOf(flags);
    QList<QByteArray> disabled;
    for (auto it = words.begin(); it != words.end();) {
        if (it->startsWith(Switch)) {
            disabled += it->mid(Switch.size()).split(',');
            it = words.erase(it);
        } else {
            ++it;
        }
    }
    for (const QString &feature : features)
        disabled.append(feature.toLatin1());
    disabled.removeAll(QByteArray());
    QList<QByteArray> unique;
    for (const QByteArray &feature : std::as_const(disabled)) {
        if (!unique.contains(feature))
            unique.append(feature);
    }
    words.append(Switch + unique.join(','));
    return words.join(' ');
}

QByteArray withProcessModel(const QByteArray &flags, const QByteArray &model)
{
    QList<QByteArray> words = wordsOf(flags);
    for (const QByteArray &word : std::as_const(words)) {
        for (const QByteArray &known : ProcessModels) {
            if (word == known || word.startsWith(known + '='))
                return words.join(' ');
        }
    }
    words.append(model);
    return words.join(' ');
}

QByteArray withSwitch(const QByteArray &flags, const QByteArray &name, const QByteArray &value)
{
    QList<QByteArray> words = wordsOf(flags);
    for (const QByteArray &word : std::as_const(words)) {
        if (word == name || word.startsWith(name + '='))
            return words.join(' ');
    }
    words.append(name + '=' + value);
    return words.join(' ');
}
