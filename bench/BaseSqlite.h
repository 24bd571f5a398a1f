#pragma once
// The same recipes in an SQLite database held in memory, for a side-by-side
// of the searches: one table per list of names, the recipes pointing at
// them, indexes on the columns the searches filter on.
#include <QString>
#include <QStringList>

struct Tables;
struct sqlite3;
struct sqlite3_stmt;

class BaseSqlite {
public:
    explicit BaseSqlite(const Tables& tables);
    ~BaseSqlite();
    BaseSqlite(const BaseSqlite&) = delete;
    BaseSqlite& operator=(const BaseSqlite&) = delete;

    static QString version();

    // A prepared search: its WHERE clause (with ? for each parameter) over
    // the recipes r joined to their category c, sub-category s and magazine m.
    class Requete {
    public:
        Requete(BaseSqlite& base, const QString& condition, QStringList parametres);
        ~Requete();
        Requete(const Requete&) = delete;
        Requete& operator=(const Requete&) = delete;
        // Runs it and fetches every row (name and slot) into 'lignes'; this
        // is what is timed.
        int executer();
        QStringList lignes;

    private:
        sqlite3_stmt* m_instruction = nullptr;
        QStringList m_parametres;
    };

private:
    void executer(const char* sql);
    sqlite3* m_base = nullptr;
};
