// Which platform Qt is started on, decided by connecting to the displays.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "qt/display_check.h"

namespace {

TEST(DisplayCheck, QtGetsNoCommandLineButThePlatform) {
    const char* given[] = {"zhongyue", "-reverse", "-platform", "offscreen", "-style", "windows"};
    EXPECT_EQ(qtview::qtArguments(6, const_cast<char**>(given)),
              (std::vector<std::string>{"zhongyue", "-platform", "offscreen"}));
    EXPECT_EQ(qtview::qtArguments(2, const_cast<char**>(given)),
              (std::vector<std::string>{"zhongyue"}));
}

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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variable + (c.arguments.size() > 1 ? " -platform " + c.arguments[2] : "") +
                     (c.x ? " X" : "") + (c.wayland ? " Wayland" : ""));
        const qtview::DisplayProbes probes{[&c](std::string& why) {
                                               why = "no X here";
                                               return c.x;
                                           },
                                           [&c](std::string& why) {
                                               why = "no Wayland here";
                                               return c.wayland;
                                           }};
        const qtview::PlatformChoice choice =
            qtview::choosePlatform(c.arguments, c.variable, probes);
        EXPECT_EQ(choice.displayAvailable ? choice.qtArguments : std::vector<std::string>{},
                  c.qtGets);
        EXPECT_EQ(choice.message.substr(0, c.said.size()), c.said);
        EXPECT_EQ(choice.message.empty(), c.said.empty());
    }
}

}  // namespace
