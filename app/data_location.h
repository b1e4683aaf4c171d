#pragma once

#include <QString>
#include <QStringList>

namespace lumbrell {

// Where the program finds its data folder (formats/data_files.h), by its
// record file: in its own folder first, as in a build tree, then in the
// installed data folder, given relative to the program's folder
// (../share/lumbrell once installed).
struct DataLocation {
    QString folder;  // the folder that holds a usable data file; empty when none does
    QString problem; // otherwise: one message naming the file and how to build or install it
};

// The folders searched, in order, without repeats.
QStringList dataFolders(const QString& programFolder, const QString& installedFromProgram);

// The first folder that holds the data file is taken; a data file that is
// empty, or not a file, is reported there and then rather than passed over, so
// that a broken build is never hidden behind an installed copy. Nothing is
// created.
DataLocation locateData(const QStringList& folders);

} // namespace lumbrell
