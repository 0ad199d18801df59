// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/app.h"
#include "toolkit/testing/test_services.h"
#include "toolkit/testing/user.h"

using tk::testing::cancel;
using tk::testing::ok;
using tk::testing::Reply;
using tk::testing::User;

// What a person types and picks for a task; the title is left as the slot's
// default unless given.
struct TaskEntry {
    std::optional<std::string> title{};
    std::string content = "开会";
    bool duration = false;
};

// The whole program on the test doubles, past the start-up question and the
// splash window, with the main window shown at the given time of day.
class AppTest : public ::testing::Test {
protected:
    void startAt(int h, int m, int s, int ms = 0) {
        p.boxes.reply(ok());
        app.start();
        p.time.advance(3000);
        p.time.setTimeOfDay(h, m, s, ms);
        p.boxes.forget();
    }

    // Picks a complete clock time or duration "HH:MM:SS" in the given row of lists.
    void pick(tk::ComboBox& h, tk::ComboBox& m, tk::ComboBox& s, const std::string& time) {
        ASSERT_TRUE(User::choose(h, time.substr(0, 2)));
        ASSERT_TRUE(User::choose(m, time.substr(3, 2)));
        ASSERT_TRUE(User::choose(s, time.substr(6, 2)));
    }

    // Starts a task the way a person does, answering the confirmation with OK;
    // from the slot's panel if it is open already.
    void startTask(int slot, const std::string& when, const TaskEntry& entry = {}) {
        if (!f.taskPanel.visible()) {
            ASSERT_TRUE(User::click(slotButton(slot)));
        }
        if (entry.title) {
            ASSERT_TRUE(User::retype(f.titleBox, *entry.title));
        }
        ASSERT_TRUE(User::type(f.contentBox, entry.content));
        if (entry.duration) {
            ASSERT_TRUE(User::click(f.afterDuration));
            pick(f.durationHours, f.durationMinutes, f.durationSeconds, when);
        } else {
            pick(f.clockHour, f.clockMinute, f.clockSecond, when);
        }
        p.boxes.reply(ok());
        ASSERT_TRUE(User::click(f.startTask));
        ASSERT_TRUE(app.tasks().isRunning(slot));
    }

    // Gives the selected slot a password through 设置密码, as a person does:
    // the old one first when it has one. The task settings panel stays open.
    void setPasswordOfSelected(const std::string& password, const std::string& old = "") {
        ASSERT_TRUE(User::click(f.setTaskPassword));
        if (!old.empty()) {
            ASSERT_TRUE(User::type(f.oldPassword, old));
        }
        ASSERT_TRUE(User::type(f.newPassword, password));
        ASSERT_TRUE(User::type(f.newPasswordAgain, password));
        p.boxes.reply(ok());
        ASSERT_TRUE(User::click(f.confirmPassword));
        ASSERT_FALSE(f.passwordPanel.visible());
    }

    // Protects a slot: selects it and sets its password; a running slot's
    // panel is then closed with 继续任务, a waiting slot's stays open.
    void protect(int slot, const std::string& password) {
        ASSERT_TRUE(User::click(slotButton(slot)));
        setPasswordOfSelected(password);
        if (f.continueTask.visible()) {
            ASSERT_TRUE(User::click(f.continueTask));
        }
    }

    tk::CommandButton& slotButton(int slot) { return ::slotButton(f, slot); }

    // The log's newest entry: the text between the first separator and the next.
    std::string topEntry() const {
        const std::string& log = f.logBox.text();
        const std::string& sep = ActivityLog::logSeparator;
        if (log.rfind(sep, 0) != 0) return {};
        const std::size_t next = log.find(sep, sep.size());
        return log.substr(sep.size(),
                          next == std::string::npos ? std::string::npos : next - sep.size());
    }

    std::string clock() { return p.program.clockText(); }

    tk::testing::TestServices p;
    App app{p.program};
    MainForm& f = app.mainForm();
};
