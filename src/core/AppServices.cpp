#include "core/AppServices.h"

#include <QCoreApplication>
#include <QTime>
#include <chrono>
#include <iostream>
#include <thread>

namespace {

std::shared_ptr<AppServices>& Default() {
    static std::shared_ptr<AppServices> services = std::make_shared<PlainServices>();
    return services;
}

// The default until a test puts others in its place: one object, so that setting the default
// (the program's windows) is what the program then uses.
std::shared_ptr<AppServices>& Current() {
    static std::shared_ptr<AppServices> services = Default();
    return services;
}

}  // namespace

double PlainServices::timeOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void PlainServices::sleep(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void PlainServices::processEvents() {
    QCoreApplication::processEvents();
}

void PlainServices::message(MessageIcon icon, const std::string& text, const std::string& title) {
    message(icon, text, title, std::string());
}

void PlainServices::message(MessageIcon, const std::string& text, const std::string& title,
                            const std::string& detail) {
    std::cerr << title << ": " << Printable(text)
              << (detail.empty() ? "" : " (" + Printable(detail) + ")") << '\n';
}

AppServices& Services() {
    return *Current();
}

void SetServices(std::shared_ptr<AppServices> services) {
    Current() = services ? std::move(services) : Default();
}

void ReportProblem(const std::string& what, const std::string& reason) {
    Services().message(MessageIcon::Information, what + "\n\n" + Printable(reason),
                       "VPA Stats Analyser");
}

std::string Printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n') || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return shown;
}

void SetDefaultServices(std::shared_ptr<AppServices> services) {
    const bool wasDefault = Current() == Default();
    Default() = std::move(services);
    if (wasDefault) Current() = Default();
}
