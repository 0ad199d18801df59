// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What only the Linux desktop has: finding a display, choosing between the X
// server and Wayland, and the desktop's sound settings.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "qt/sound/sound_settings.h"
#include "qt/startup/display_check.h"

namespace {

// A display counts only when something answers behind its name; a socket
// file alone (left behind by a server that is gone) does not.
TEST(DisplayCheck, ADisplayCountsOnlyWhenItAnswers) {
    std::string why;
    for (const char* display : {"", ":4711", "localhost:99", "unix:99", "::x"}) {
        EXPECT_FALSE(qtview::xServerAnswers(display, why)) << display;
        EXPECT_FALSE(why.empty());
    }
    EXPECT_FALSE(qtview::compositorAnswers("wayland-nobody-4711", "/tmp", why));
    EXPECT_NE(why.find("wayland-nobody-4711"), std::string::npos);

    ::mkdir("/tmp/.X11-unix", 01777);
    const std::string number = std::to_string(4000 + ::getpid() % 1000);
    const std::string path = "/tmp/.X11-unix/X" + number;
    ::unlink(path.c_str());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int socketFile = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(socketFile, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_FALSE(qtview::xServerAnswers(":" + number, why)) << "a socket file nobody listens on";
    EXPECT_FALSE(qtview::compositorAnswers(path, "", why)) << "a socket file nobody listens on";
    ::listen(socketFile, 1);
    EXPECT_TRUE(qtview::compositorAnswers(path, "", why)) << "a socket that is listened on";
    ::close(socketFile);
    ::unlink(path.c_str());
}

// For each combination of displays that answer: the X server first, Wayland
// only without one, said in one line; a platform asked for is kept as asked.
TEST(PlatformChoice, TheXServerFirstThenWaylandAndAPlatformAskedForIsKept) {
    struct Case {
        std::vector<std::string> arguments;
        std::string variable;
        bool x, wayland;
        std::vector<std::string> qtGets;  // none: no display
        std::string said;
    };
    const std::vector<std::string> plain{"zy"};
    const auto with = [](const char* name) {
        return std::vector<std::string>{"zy", "-platform", name};
    };
    const std::string noDisplay = "no display: no X here, no Wayland here; to run without a screen";
    const Case cases[] = {
        {plain, "", true, false, with("xcb"), ""},
        {plain, "", true, true, with("xcb"), ""},
        {plain, "", false, true, with("wayland"), "no X here; running on Wayland"},
        {plain, "", false, false, {}, noDisplay},
        {plain, "wayland", true, true, plain, ""},
        {with("wayland"), "xcb", true, true, with("wayland"), ""},
        {plain, "xcb", false, true, {}, "no display: no X here; to run without a screen"},
        {with("offscreen"), "xcb", false, false, with("offscreen"), ""},
        {plain, "wayland;offscreen", false, false, plain, ""},
    };
    const auto probe = [](bool answers, const char* why) {
        return [answers, why](std::string& said) {
            said = why;
            return answers;
        };
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const qtview::DisplayProbes probes{probe(c.x, "no X here"),
                                           probe(c.wayland, "no Wayland here")};
        const qtview::PlatformChoice choice =
            qtview::choosePlatform(c.arguments, c.variable, probes);
        EXPECT_EQ(choice.displayAvailable ? choice.qtArguments : std::vector<std::string>{},
                  c.qtGets);
        EXPECT_EQ(choice.message.substr(0, c.said.size()), c.said);
        EXPECT_EQ(choice.message.empty(), c.said.empty());
    }
}

}  // namespace

// The desktop's settings as its settings daemon writes them, in either byte
// order, with settings of every type around the two the reminder's sound obeys.
TEST(SoundSettingsTest, TheThemeAndTheSwitchAreReadFromTheDesktopsSettings) {
    for (const bool mostSignificantFirst : {false, true}) {
        std::string bytes;
        auto card = [&](std::uint32_t value, int size) {
            for (int i = 0; i < size; ++i) {
                const int shift = 8 * (mostSignificantFirst ? size - 1 - i : i);
                bytes += static_cast<char>(value >> shift & 0xFF);
            }
        };
        auto padded = [&](const std::string& text) {
            bytes += text + std::string((4 - text.size() % 4) % 4, '\0');
        };
        auto setting = [&](int type, const std::string& name) {
            card(static_cast<std::uint32_t>(type), 1);
            card(0, 1);
            card(static_cast<std::uint32_t>(name.size()), 2);
            padded(name);
            card(7, 4);  // the serial of its last change
        };
        card(mostSignificantFirst ? 1 : 0, 1);
        card(0, 3);
        card(42, 4);
        card(5, 4);
        setting(2, "Gtk/Colour");
        card(0xFFFF, 4);
        card(0, 4);
        setting(0, "Net/DndDragThreshold");  // a name of 20 bytes, with no padding
        card(8, 4);
        setting(1, "Net/SoundThemeName");
        card(5, 4);
        padded("ocean");
        setting(0, "Gtk/CursorBlinkTime");
        card(1200, 4);
        setting(0, "Net/EnableEventSounds");
        card(0, 4);
        const qtview::SoundSettings read = qtview::parseSoundSettings(bytes);
        EXPECT_EQ(read.theme, "ocean");
        EXPECT_FALSE(read.enabled);
        const qtview::SoundSettings cut = qtview::parseSoundSettings(bytes.substr(0, 40));
        EXPECT_EQ(cut.theme, "freedesktop") << "a cut-off property keeps the defaults";
        EXPECT_TRUE(cut.enabled);
    }
}
