#pragma once
#include <QString>

namespace lumbrell::data {

// A fresh folder beside the output folder that the build writes into. Only
// commit() puts it in place of the output folder; a build that stops early
// leaves the previous output untouched and the staging folder removed.
class StagingFolder {
public:
    explicit StagingFolder(const QString& outputDir);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    bool create(QString* error);
    QString path() const { return staging_; }
    bool commit(QString* error);

private:
    QString output_;
    QString staging_;
    bool committed_ = false;
};

} // namespace lumbrell::data
