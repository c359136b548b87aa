#pragma once

#include <QWidget>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/AppServices.h"

// Services without a person or a real clock: messages are recorded, the file dialog answers
// with a preset path, and the time of day moves only when start-up sleeps.
class FakeServices : public AppServices {
  public:
    struct Message {
        MessageIcon icon;
        std::string text;
        std::string title;
        std::string detail;
    };

    double clock = 0;       // time of day
    bool clockRuns = true;  // false: a clock that is stuck
    double slept = 0;       // seconds of sleep asked for
    int eventRuns = 0;
    std::string locateAnswer;
    int locateCalls = 0;
    std::vector<Message> messages;
    double shownAt = -1;  // time of day when the main window was shown
    std::function<void()> onSleep;
    std::function<void()> onShow;
    // What a person does meanwhile, whenever a long computation lets window events run.
    std::function<void()> onEvents;

    double timeOfDay() override { return clock; }
    void sleep(double seconds) override {
        slept += seconds;
        if (clockRuns) {
            clock = std::fmod(clock + seconds, 86400.0);
        }
        if (onSleep) onSleep();
    }
    void processEvents() override {
        ++eventRuns;
        if (onEvents) onEvents();
    }
    void message(MessageIcon icon, const std::string& text, const std::string& title) override {
        messages.push_back({icon, text, title, {}});
    }
    void message(MessageIcon icon, const std::string& text, const std::string& title,
                 const std::string& detail) override {
        messages.push_back({icon, text, title, detail});
    }
    std::string locateDb() override {
        ++locateCalls;
        return locateAnswer;
    }
    void showMainWindow(QWidget& window) override {
        shownAt = clock;
        if (onShow) onShow();
        window.show();
    }

    std::vector<std::string> titles() const {
        std::vector<std::string> result;
        for (const auto& m : messages) result.push_back(m.title);
        return result;
    }
};
