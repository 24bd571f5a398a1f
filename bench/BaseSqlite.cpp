#include "BaseSqlite.h"
#include "BancProgramme.h"
#include "base/Tables.h"
#include <sqlite3.h>

namespace {

void lier(sqlite3_stmt* instruction, int position, const QString& texte)
{
    const QByteArray utf8 = texte.toUtf8();
    sqlite3_bind_text(instruction, position, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void lier(sqlite3_stmt* instruction, int position, int valeur) { sqlite3_bind_int(instruction, position, valeur); }

void avancer(sqlite3* base, sqlite3_stmt* instruction)
{
    if (sqlite3_step(instruction) != SQLITE_DONE)
        echec(QStringLiteral("SQLite : ") + QString::fromUtf8(sqlite3_errmsg(base)));
    sqlite3_reset(instruction);
}

sqlite3_stmt* preparer(sqlite3* base, const QString& sql)
{
    sqlite3_stmt* instruction = nullptr;
    if (sqlite3_prepare_v2(base, sql.toUtf8().constData(), -1, &instruction, nullptr) != SQLITE_OK)
        echec(QStringLiteral("SQLite : ") + QString::fromUtf8(sqlite3_errmsg(base)));
    return instruction;
}

} // namespace

BaseSqlite::BaseSqlite(const Tables& t)
{
    if (sqlite3_open(":memory:", &m_base) != SQLITE_OK)
        echec(QStringLiteral("SQLite ne s'ouvre pas"));
    executer("CREATE TABLE categories(id INTEGER PRIMARY KEY, nom TEXT);"
             "CREATE TABLE souscategories(cat INTEGER, id INTEGER, nom TEXT, PRIMARY KEY(cat, id));"
             "CREATE TABLE magazines(id INTEGER PRIMARY KEY, nom TEXT);"
             "CREATE TABLE recettes(slot INTEGER PRIMARY KEY, numero TEXT, page TEXT, notes TEXT, nom TEXT,"
             " cat INTEGER, souscat INTEGER, mag INTEGER, teste INTEGER);"
             "BEGIN;");
    sqlite3_stmt* cat = preparer(m_base, QStringLiteral("INSERT INTO categories VALUES(?, ?)"));
    sqlite3_stmt* sousCat = preparer(m_base, QStringLiteral("INSERT INTO souscategories VALUES(?, ?, ?)"));
    sqlite3_stmt* mag = preparer(m_base, QStringLiteral("INSERT INTO magazines VALUES(?, ?)"));
    sqlite3_stmt* recette = preparer(m_base, QStringLiteral("INSERT INTO recettes VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int c = 1; c <= t.NbCat; ++c) {
        lier(cat, 1, c);
        lier(cat, 2, t.Cat(c));
        avancer(m_base, cat);
        for (int s = 1; s <= t.NbSousCat(c); ++s) {
            lier(sousCat, 1, c);
            lier(sousCat, 2, s);
            lier(sousCat, 3, t.SousCat(c, s));
            avancer(m_base, sousCat);
        }
    }
    for (int m = 1; m <= t.NbMag; ++m) {
        lier(mag, 1, m);
        lier(mag, 2, t.Mag(m));
        avancer(m_base, mag);
    }
    for (int r = 1; r <= t.NbRecett; ++r) {
        lier(recette, 1, r);
        for (int champ = 0; champ < 4; ++champ)
            lier(recette, 2 + champ, t.RecettTexte(r, champ));
        for (int champ = 0; champ < 4; ++champ)
            lier(recette, 6 + champ, t.RecettVal(r, champ));
        avancer(m_base, recette);
    }
    for (sqlite3_stmt* instruction : {cat, sousCat, mag, recette})
        sqlite3_finalize(instruction);
    executer("COMMIT;"
             "CREATE INDEX recettes_cat ON recettes(cat, souscat);"
             "CREATE INDEX recettes_mag ON recettes(mag);"
             "CREATE INDEX categories_nom ON categories(nom);"
             "CREATE INDEX magazines_nom ON magazines(nom);"
             "ANALYZE;");
}

QString BaseSqlite::version() { return QString::fromLatin1(sqlite3_libversion()); }

BaseSqlite::~BaseSqlite() { sqlite3_close(m_base); }

void BaseSqlite::executer(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_base, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString texte = QString::fromUtf8(message);
        sqlite3_free(message);
        echec(QStringLiteral("SQLite : ") + texte);
    }
}

BaseSqlite::Requete::Requete(BaseSqlite& base, const QString& condition, QStringList parametres)
    : m_parametres(std::move(parametres))
{
    m_instruction = preparer(base.m_base,
                             QStringLiteral("SELECT r.nom, r.slot FROM recettes r"
                                            " LEFT JOIN categories c ON c.id = r.cat"
                                            " LEFT JOIN souscategories s ON s.cat = r.cat AND s.id = r.souscat"
                                            " LEFT JOIN magazines m ON m.id = r.mag"
                                            " WHERE ")
                                 + condition + QStringLiteral(" ORDER BY r.nom COLLATE NOCASE, r.slot"));
}

BaseSqlite::Requete::~Requete() { sqlite3_finalize(m_instruction); }

int BaseSqlite::Requete::executer()
{
    lignes.clear();
    for (int i = 0; i < m_parametres.size(); ++i)
        lier(m_instruction, i + 1, m_parametres[i]);
    while (sqlite3_step(m_instruction) == SQLITE_ROW) {
        const auto* nom = reinterpret_cast<const char*>(sqlite3_column_text(m_instruction, 0));
        lignes << QString::fromUtf8(nom, sqlite3_column_bytes(m_instruction, 0)) + QChar(0xFF)
                + QString::number(sqlite3_column_int(m_instruction, 1));
    }
    sqlite3_reset(m_instruction);
    return static_cast<int>(lignes.size());
}
