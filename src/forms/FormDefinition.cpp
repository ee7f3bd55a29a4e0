#include "FormDefinition.h"

#include "FormNames.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace arc {

namespace {

QStringList strings(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &item : v.toArray())
        out << item.toString();
    return out;
}

// Every definition compiled in, by its form's name.
QHash<QString, FormDefinition> loadAll()
{
    QHash<QString, FormDefinition> out;
    const QDir dir(QStringLiteral(":/forms"));
    for (const QString &file : dir.entryList({QStringLiteral("*.json")}, QDir::Files)) {
        QFile f(dir.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QString error;
        if (std::optional<FormDefinition> d = FormDefinition::parse(f.readAll(), &error))
            out.insert(d->name, *d);
        else
            qWarning("form definition %s: %s", qPrintable(file), qPrintable(error));
    }
    return out;
}

} // namespace

const QStringList &FormDefinition::pageBlocks()
{
    static const QStringList blocks = {"1",   "3",   "4",   "5",   "6",   "7",   "8",   "9",   "10",  "11",
                                       "12",  "13a", "13b", "13c", "13d", "13e", "14a", "14b", "14c", "14d", "14e"};
    return blocks;
}

const QStringList &FormDefinition::screenKeys()
{
    static const QStringList keys = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13a", "14a"};
    return keys;
}

const QStringList &FormDefinition::sourcedKeys()
{
    static const QStringList keys = {"title",        "captions",      "13e",    "14e",        "boxes13a",
                                     "boxes14a",     "statement14a",  "userInstaller", "footer", "statusWords"};
    return keys;
}

const FormDefinition &FormDefinition::of(const QString &formName)
{
    static const QHash<QString, FormDefinition> all = loadAll();
    const auto it = all.constFind(FormNames::effective(formName));
    if (it != all.constEnd())
        return *it;
    // Compiled in and tested: missing only in a broken build.
    static const FormDefinition none;
    const auto faa = all.constFind(FormNames::kFaa);
    Q_ASSERT(faa != all.constEnd());
    return faa != all.constEnd() ? *faa : none;
}

std::optional<FormDefinition> FormDefinition::parse(const QByteArray &json, QString *error)
{
    QString ignored;
    QString &why = error ? *error : ignored;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        why = parseError.errorString();
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    FormDefinition d;
    d.name = o.value(QLatin1String("name")).toString();
    d.landscapeOnly = o.value(QLatin1String("landscapeOnly")).toBool();
    d.title = strings(o.value(QLatin1String("title")));
    const QJsonObject captions = o.value(QLatin1String("captions")).toObject();
    for (auto it = captions.begin(); it != captions.end(); ++it)
        d.m_captions.insert(it.key(), strings(it.value()));
    d.boxes13a = strings(o.value(QLatin1String("boxes13a")));
    d.boxes14a = strings(o.value(QLatin1String("boxes14a")));
    d.statement14a = strings(o.value(QLatin1String("statement14a")));
    const QStringList userInstaller = strings(o.value(QLatin1String("userInstaller")));
    d.userInstallerTitle = userInstaller.value(0);
    d.userInstallerFirst = userInstaller.value(1);
    d.userInstallerSecond = userInstaller.value(2);
    const QStringList footer = strings(o.value(QLatin1String("footer")));
    d.footerLeft = footer.value(0);
    d.footerRight = footer.value(1);
    const QJsonObject continuation = o.value(QLatin1String("continuation")).toObject();
    d.continuation = {continuation.value(QLatin1String("sheet")).toString(),
                      continuation.value(QLatin1String("page")).toString(),
                      continuation.value(QLatin1String("remarks")).toString(),
                      continuation.value(QLatin1String("reference")).toString()};
    const QJsonObject screen = o.value(QLatin1String("screen")).toObject();
    for (const QString &key : screenKeys())
        d.m_screen.insert(key, screen.value(key).toString());
    d.screenBoxes13a = strings(screen.value(QLatin1String("boxes13a")));
    d.screenBoxes14a = strings(screen.value(QLatin1String("boxes14a")));
    const QJsonObject sources = o.value(QLatin1String("sources")).toObject();
    for (auto it = sources.begin(); it != sources.end(); ++it)
        d.m_sources.insert(it.key(), it.value().toString());
    const QJsonObject rules = o.value(QLatin1String("rules")).toObject();
    d.rules.statusWords = strings(rules.value(QLatin1String("statusWords")));
    d.rules.itemNumbers = rules.value(QLatin1String("itemNumbers")).toBool();
    d.rules.serialNotApplicable = rules.value(QLatin1String("serialNotApplicable")).toBool();
    d.rules.prototypeToNew = rules.value(QLatin1String("prototypeToNew")).toBool();

    // A text the page or screen would leave out: a caption may be empty
    // (the FAA 14a has none beyond its number), never missing.
    QStringList missing;
    if (!FormNames::all().contains(d.name))
        missing << QStringLiteral("a known name");
    for (const QString &block : pageBlocks())
        if (!captions.contains(block) || d.m_captions.value(block).isEmpty())
            missing << QStringLiteral("caption %1").arg(block);
    for (const QString &key : screenKeys())
        if (d.m_screen.value(key).isEmpty())
            missing << QStringLiteral("screen %1").arg(key);
    const struct {
        const char *what;
        qsizetype count, least, most;
    } counts[] = {{"title", d.title.size(), 2, 2},
                  {"boxes13a", d.boxes13a.size(), 2, 2},
                  {"boxes14a", d.boxes14a.size(), 2, 2},
                  {"statement14a", d.statement14a.size(), 1, 4},
                  {"userInstaller", userInstaller.size(), 3, 3},
                  {"screen boxes13a", d.screenBoxes13a.size(), 2, 2},
                  {"screen boxes14a", d.screenBoxes14a.size(), 2, 2}};
    for (const auto &c : counts)
        if (c.count < c.least || c.count > c.most)
            missing << QString::fromLatin1(c.what);
    if (d.footerLeft.isEmpty())
        missing << QStringLiteral("footer");
    const Continuation &more = d.continuation;
    if (!more.sheet.contains(QLatin1String("%2")) || !more.page.contains(QLatin1String("%2")) || more.remarks.isEmpty()
        || !more.reference.contains(QLatin1String("%1")))
        missing << QStringLiteral("continuation");
    // A legal text whose origin nobody can tell cannot be checked.
    for (const QString &key : sourcedKeys())
        if (d.m_sources.value(key).trimmed().isEmpty())
            missing << QStringLiteral("the source of %1").arg(key);
    if (!missing.isEmpty()) {
        why = QStringLiteral("lacks %1").arg(missing.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return d;
}

QStringList FormDefinition::caption(const QString &block) const { return m_captions.value(block); }

QString FormDefinition::numbered(const QString &block) const
{
    return QStringLiteral("%1. %2").arg(block, caption(block).value(0));
}

} // namespace arc
