#pragma once

#include <QLockFile>
#include <memory>

namespace lumbrell {

// Only one copy of the program runs per user: the first holds a lock in the
// user's runtime folder for as long as it lives. A lock left by a copy that
// crashed is taken over.
class SingleInstance {
public:
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace lumbrell
