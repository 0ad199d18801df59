// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/reminder_sound.h"

#include <canberra.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <cstdlib>
#include <string>

#include "qt/sound_settings.h"

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

ReminderSound::~ReminderSound() {
    if (context_ != nullptr) destroy_(context_);
    if (library_ != nullptr) dlclose(library_);
}

void ReminderSound::play() {
    if (!load()) return;
    const SoundSettings settings = desktopSoundSettings();
    changeProperties_(context_, CA_PROP_CANBERRA_XDG_THEME_NAME, settings.theme.c_str(),
                      CA_PROP_CANBERRA_ENABLE, settings.enabled ? "1" : "0", nullptr);
    for (const char* sound : {"alarm-clock-elapsed", "bell"}) {
        if (play_(context_, 0, CA_PROP_EVENT_ID, sound, CA_PROP_EVENT_DESCRIPTION, "任务提醒",
                  nullptr) != CA_ERROR_NOTFOUND) {
            return;
        }
    }
}

bool ReminderSound::load() {
    if (context_ != nullptr) return true;
    if (!soundServerListens()) return false;
    if (library_ == nullptr) library_ = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (library_ == nullptr) return false;
    const auto create = symbol<int (*)(ca_context**)>(library_, "ca_context_create");
    play_ = symbol<Play>(library_, "ca_context_play");
    changeProperties_ = symbol<ChangeProperties>(library_, "ca_context_change_props");
    destroy_ = symbol<Destroy>(library_, "ca_context_destroy");
    if (create == nullptr || play_ == nullptr || changeProperties_ == nullptr ||
        destroy_ == nullptr || create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return false;
    }
    changeProperties_(context_, CA_PROP_APPLICATION_NAME, name_.c_str(), CA_PROP_APPLICATION_ID,
                      desktopId_.c_str(), CA_PROP_APPLICATION_ICON_NAME, desktopId_.c_str(),
                      nullptr);
    return true;
}

}  // namespace qtview
