#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// The distinct words, years and months met by a scan, each list in order of first appearance and
// bounded as the catalogue's lists are. Look-ups are hashed; the order and the limits are those of
// the slot tables they stand for. Indexes are "next free" indexes counted from 1, as the settings
// file stores them.
class TablesTrouvees {
public:
    static constexpr int SlotsMots = 12000;
    static constexpr int LimiteMots = 11995; // no words are taken once the next-free index reaches it
    static constexpr int SlotsAnnees = 299;  // the last slot is reused by every further new year
    static constexpr int SlotsMois = 15;

    // True while the word table still takes the words of a file.
    bool motsAcceptes() const { return indexMots() < LimiteMots; }
    void ajouterMot(const QString& mot);
    // Keys as numbers: a year key 1800-9999 ("9999" for undated), a month key 0-12.
    void ajouterAnnee(int cle);
    void ajouterMois(int cle);

    int indexMots() const { return int(mots_.size()) + 1; }
    int indexAnnees() const { return std::min(int(annees_.size()) + 1, SlotsAnnees); }
    int indexMois() const { return std::min(int(mois_.size()) + 1, SlotsMois); }

    // What reaches the catalogue's lists: words longer than 2 characters (cut to 80), the years of
    // slots 1-298, the months.
    QStringList motsPourCatalogue() const;
    QStringList anneesPourCatalogue() const;
    QStringList moisPourCatalogue() const;

private:
    QStringList mots_;
    QSet<QString> motsConnus_;
    std::vector<int> annees_; // slots 1-298
    std::vector<bool> anneesConnues_ = std::vector<bool>(10000, false);
    std::vector<int> mois_;
    std::vector<bool> moisConnus_ = std::vector<bool>(13, false);
};
