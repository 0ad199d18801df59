// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/sound/sound_settings.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

#include "qt/windowing/x11.h"

namespace qtview {

namespace {

// Reads the property's fields in its own byte order, each padded to four bytes.
class Fields {
public:
    explicit Fields(std::string_view bytes) : bytes_(bytes) {}

    bool mostSignificantFirst() const { return !bytes_.empty() && bytes_[0] != 0; }
    std::optional<std::uint32_t> card(int size) {
        if (at_ + static_cast<std::size_t>(size) > bytes_.size()) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const auto byte = static_cast<unsigned char>(
                bytes_[at_ + static_cast<std::size_t>(mostSignificantFirst() ? i : size - 1 - i)]);
            value = value << 8 | byte;
        }
        at_ += static_cast<std::size_t>(size);
        return value;
    }
    std::optional<std::string_view> text(std::uint32_t length) {
        if (at_ + length > bytes_.size()) return std::nullopt;
        const std::string_view text = bytes_.substr(at_, length);
        at_ += (length + 3) / 4 * 4;
        return text;
    }
    void skip(std::size_t count) { at_ += count; }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

enum Type : std::uint32_t { kInteger = 0, kString = 1, kColour = 2 };

}  // namespace

SoundSettings parseSoundSettings(std::string_view property, SoundSettings found) {
    Fields fields(property);
    fields.skip(8);  // byte order, padding, serial
    const auto count = fields.card(4);
    for (std::uint32_t n = 0; count && n < *count; ++n) {
        const auto type = fields.card(1);
        fields.skip(1);
        const auto nameLength = fields.card(2);
        const auto name = nameLength ? fields.text(*nameLength) : std::nullopt;
        if (!name || !fields.card(4)) break;  // the last change's serial
        if (*type == kInteger) {
            const auto value = fields.card(4);
            if (!value) break;
            if (*name == "Net/EnableEventSounds") found.enabled = *value != 0;
        } else if (*type == kString) {
            const auto length = fields.card(4);
            const auto value = length ? fields.text(*length) : std::nullopt;
            if (!value) break;
            if (*name == "Net/SoundThemeName" && !value->empty()) found.theme = *value;
        } else if (*type == kColour) {
            fields.skip(8);
        } else {
            break;
        }
    }
    return found;
}

SoundSettings desktopSoundSettings() {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) return {};
    // The settings daemon owns this selection and keeps the settings on its
    // window; a desktop session has one screen, screen 0.
    const xcb_atom_t selection = atom(connection, "_XSETTINGS_S0");
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    const xcb_window_t window = owner != nullptr ? owner->owner : xcb_window_t{XCB_NONE};
    std::free(owner);
    if (window == XCB_NONE) return {};
    const xcb_atom_t settings = atom(connection, "_XSETTINGS_SETTINGS");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, settings, settings, 0, 1U << 20),
        nullptr);
    SoundSettings found;
    if (reply != nullptr) {
        found =
            parseSoundSettings({static_cast<const char*>(xcb_get_property_value(reply)),
                                static_cast<std::size_t>(xcb_get_property_value_length(reply))});
    }
    std::free(reply);
    return found;
}

}  // namespace qtview
