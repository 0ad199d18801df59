// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/sound/reminder_sound.h"

#include <canberra.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "qt/sound/sound_settings.h"

namespace qtview {

namespace {

// A PulseAudio server, or PipeWire standing in for one, listens here.
bool soundServerListens() {
    if (std::getenv("PULSE_SERVER") != nullptr) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') return false;
    struct stat socket {};
    return stat((std::string(runtime) + "/pulse/native").c_str(), &socket) == 0 &&
           S_ISSOCK(socket.st_mode);
}

template <class Function>
Function symbol(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

struct ReminderSound::Player {
    using Play = int (*)(ca_context*, std::uint32_t, ...);
    using ChangeProperties = int (*)(ca_context*, ...);
    using Destroy = int (*)(ca_context*);

    ~Player() {
        if (context != nullptr) destroy(context);
        if (library != nullptr) dlclose(library);
    }
    bool load();

    std::string name;
    std::string desktopId;
    void* library = nullptr;
    ca_context* context = nullptr;
    Play play = nullptr;
    ChangeProperties changeProperties = nullptr;
    Destroy destroy = nullptr;
};

ReminderSound::ReminderSound(std::string name, std::string desktopId)
    : player_(new Player{.name = std::move(name), .desktopId = std::move(desktopId)}) {}

ReminderSound::~ReminderSound() = default;

void ReminderSound::play() {
    Player& p = *player_;
    if (!p.load()) return;
    const SoundSettings settings = desktopSoundSettings();
    p.changeProperties(p.context, CA_PROP_CANBERRA_XDG_THEME_NAME, settings.theme.c_str(),
                       CA_PROP_CANBERRA_ENABLE, settings.enabled ? "1" : "0", nullptr);
    for (const char* sound : {"alarm-clock-elapsed", "bell"}) {
        if (p.play(p.context, 0, CA_PROP_EVENT_ID, sound, CA_PROP_EVENT_DESCRIPTION, "任务提醒",
                   nullptr) != CA_ERROR_NOTFOUND) {
            return;
        }
    }
}

bool ReminderSound::Player::load() {
    if (context != nullptr) return true;
    if (!soundServerListens()) return false;
    if (library == nullptr) library = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) return false;
    const auto create = symbol<int (*)(ca_context**)>(library, "ca_context_create");
    play = symbol<Play>(library, "ca_context_play");
    changeProperties = symbol<ChangeProperties>(library, "ca_context_change_props");
    destroy = symbol<Destroy>(library, "ca_context_destroy");
    if (create == nullptr || play == nullptr || changeProperties == nullptr || destroy == nullptr ||
        create(&context) != CA_SUCCESS) {
        context = nullptr;
        return false;
    }
    changeProperties(context, CA_PROP_APPLICATION_NAME, name.c_str(), CA_PROP_APPLICATION_ID,
                     desktopId.c_str(), CA_PROP_APPLICATION_ICON_NAME, desktopId.c_str(), nullptr);
    return true;
}

}  // namespace qtview
