#include "download_folder.h"

#include <optional>

#include "messages.h"

namespace {

constexpr std::string_view kFolderName = "Orvanta";
constexpr std::size_t kFileNameRoom = 13;

}  // namespace

bool isInOrvantaFolder(std::string_view path)
{
    const std::size_t needed = kFolderName.size() + kFileNameRoom;
    if (path.size() < needed)
        return false;
    return path.substr(path.size() - needed, kFolderName.size()) == kFolderName;
}

std::string setDownloadFolder(UserPrompt& prompt, const std::string& hotSyncFolder)
{
    UserPrompt::FileQuestion question{kDownloadFolderTitle, kDownloadProposedName, hotSyncFolder,
                                      UserPrompt::FileFilter::Logs};
    const std::optional<std::string> chosen = prompt.saveFileName(question);
    if (!chosen)
        return {};
    if (!isInOrvantaFolder(*chosen)) {
        prompt.message(msg::kCaption, kNotTheOrvantaFolder, UserPrompt::Icon::None, UserPrompt::Buttons::Ok,
                       UserPrompt::Answer::Ok);
        return {};
    }
    return *chosen;
}
