#pragma once

#include <memory>
#include <string>
#include <string_view>

class QWidget;

enum class MessageIcon { Information, Critical };

// What start-up and shutdown need from the outside world: the clock, the user's answers and the
// event loop. The program runs with the Qt ones; tests put in their own, so the whole sequence
// runs without a person at the screen and without real waiting.
class AppServices {
  public:
    virtual ~AppServices() = default;

    // Seconds since local midnight, with fractions; starts again from 0 at midnight.
    virtual double timeOfDay() = 0;
    // Blocks for about the given seconds without processing window events.
    virtual void sleep(double seconds) = 0;
    // Lets pending window events run once.
    virtual void processEvents() = 0;
    // A modal message box with a single OK button.
    virtual void message(MessageIcon icon, const std::string& text, const std::string& title) = 0;
    // The same, with the reason behind it in the box's details, for whoever wants to know.
    virtual void message(MessageIcon icon, const std::string& text, const std::string& title,
                         const std::string& detail) {
        (void)detail;
        message(icon, text, title);
    }
    // Asks for the database file (LocateDb); empty when the user cancels.
    virtual std::string locateDb() = 0;
    virtual void showMainWindow(QWidget& window) = 0;
};

// Until the program puts in the window services: the clock and the event loop are real,
// messages go to standard error and no file can be chosen. Tools and tests run with these; the
// window services add only what needs widgets.
class PlainServices : public AppServices {
  public:
    double timeOfDay() override;
    void sleep(double seconds) override;
    void processEvents() override;
    void message(MessageIcon icon, const std::string& text, const std::string& title) override;
    void message(MessageIcon icon, const std::string& text, const std::string& title,
                 const std::string& detail) override;
    std::string locateDb() override { return {}; }
    void showMainWindow(QWidget&) override {}
};

AppServices& Services();
// Replaces the services (tests); nullptr goes back to the default ones.
void SetServices(std::shared_ptr<AppServices> services);
// The services nullptr goes back to: the program puts in the window ones at its start.
void SetDefaultServices(std::shared_ptr<AppServices> services);

// Tells the user that what he asked for failed: what (a sentence of ours) and the reason, whose
// control characters are shown escaped, since it may quote the database.
void ReportProblem(const std::string& what, const std::string& reason);

// text with every control character (other than a line break) written as \xNN, so that bytes
// from a damaged database never act on a terminal or a message box.
std::string Printable(std::string_view text);
