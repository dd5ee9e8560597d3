#include "QoPfcSystem.h"

#include "platform/Config.h"
#include "platform/FileSystem.h"

std::string CQoPfcSystem::GetExePath() const {
    return platform::ExecutableFolder();
}

std::string CQoPfcSystem::GetDbPath(const std::string& /*userId*/) const {
    return platform::Config::Instance().DataFolder();
}
