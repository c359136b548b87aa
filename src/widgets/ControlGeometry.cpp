#include "widgets/ControlGeometry.h"

#include <stdexcept>
#include <utility>

namespace {

[[noreturn]] void Unknown(const std::string& what, const std::string& name) {
    throw std::out_of_range("ControlGeometry: no " + what + " \"" + name + "\"");
}

}  // namespace

void ControlGeometry::Set(const std::string& name, TwipsRect rect) {
    rects_[name] = rect;
}

bool ControlGeometry::Has(const std::string& name) const {
    return rects_.contains(name);
}

TwipsRect& ControlGeometry::operator[](const std::string& name) {
    auto it = rects_.find(name);
    if (it == rects_.end()) Unknown("control", name);
    return it->second;
}

const TwipsRect& ControlGeometry::operator[](const std::string& name) const {
    auto it = rects_.find(name);
    if (it == rects_.end()) Unknown("control", name);
    return it->second;
}

void ControlGeometry::Move(const std::string& name, std::optional<int> left, std::optional<int> top,
                           std::optional<int> width, std::optional<int> height) {
    TwipsRect& r = (*this)[name];
    r.left = left.value_or(r.left);
    r.top = top.value_or(r.top);
    r.width = width.value_or(r.width);
    r.height = height.value_or(r.height);
}

const std::vector<int>& ControlGeometry::Columns(const std::string& grid) const {
    static const std::vector<int> none;
    (void)(*this)[grid];
    auto it = columns_.find(grid);
    return it == columns_.end() ? none : it->second;
}

void ControlGeometry::SetColumns(const std::string& grid, std::vector<int> widths) {
    (void)(*this)[grid];
    columns_[grid] = std::move(widths);
}

int ControlGeometry::RowHeight(const std::string& grid) const {
    auto it = rowHeights_.find(grid);
    if (it == rowHeights_.end()) Unknown("row height of grid", grid);
    return it->second;
}

void ControlGeometry::SetRowHeight(const std::string& grid, int height) {
    (void)(*this)[grid];
    rowHeights_[grid] = height;
}

bool ControlGeometry::Visible(const std::string& name) const {
    (void)(*this)[name];
    auto it = visible_.find(name);
    return it == visible_.end() || it->second;
}

void ControlGeometry::SetVisible(const std::string& name, bool visible) {
    (void)(*this)[name];
    visible_[name] = visible;
}

void DesignBuilder::Add(std::string name, TwipsRect rect) {
    controls_.push_back({{std::move(name), frame_, container_, true}, rect});
}

void DesignBuilder::Fixed(std::string name, TwipsRect rect) {
    controls_.push_back({{std::move(name), frame_, container_, false}, rect});
}
