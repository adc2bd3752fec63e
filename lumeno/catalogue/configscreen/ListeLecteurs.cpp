#include "ListeLecteurs.h"

#include <QSignalBlocker>
#include <QStorageInfo>

ListeLecteurs::ListeLecteurs(QWidget* parent) : QComboBox(parent) {
    // A long mount path must not widen the whole column.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(6);
    actualiser();
    connect(this, &QComboBox::activated, this, [this](int index) { emit lecteurChoisi(itemText(index)); });
}

bool ListeLecteurs::estPseudoSysteme(const QString& racine, const QByteArray& type) {
    for (const char* dossier : {"/proc", "/sys", "/dev", "/run"}) {
        const QString d = QLatin1String(dossier);
        if (racine == d || racine.startsWith(d + u'/')) {
            return true;
        }
    }
    static const QList<QByteArray> pseudo = {"proc",    "sysfs",       "devtmpfs",  "devpts",   "cgroup",
                                             "cgroup2", "securityfs",  "debugfs",   "tracefs",  "pstore",
                                             "bpf",     "mqueue",      "hugetlbfs", "configfs", "fusectl",
                                             "autofs",  "binfmt_misc", "nsfs"};
    return pseudo.contains(type);
}

void ListeLecteurs::actualiser() {
    const QSignalBlocker bloque(this);
    const QString actuel = currentText();
    clear();
    QStringList racines;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || estPseudoSysteme(volume.rootPath(), volume.fileSystemType())) {
            continue;
        }
        if (!racines.contains(volume.rootPath())) {
            racines << volume.rootPath();
        }
    }
    racines.sort();
    addItems(racines);
    if (!actuel.isEmpty()) {
        setCurrentText(actuel);
    }
}

void ListeLecteurs::choisirPourChemin(const QString& chemin) {
    const QSignalBlocker bloque(this);
    QStorageInfo volume(chemin);
    const QString racine = volume.isValid() ? volume.rootPath() : QStringLiteral("/");
    if (findText(racine) < 0) {
        addItem(racine);
    }
    setCurrentText(racine);
}
