#include "widgets/TabOrder.h"

#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

using Indexes = std::vector<std::size_t>;

// [first, last) of a rectangle along one axis.
using Span = std::pair<int, int>;
Span Rows(const QRect& r) {
    return {r.top(), r.top() + r.height()};
}
Span Columns(const QRect& r) {
    return {r.left(), r.left() + r.width()};
}

// The groups of indexes between the gaps along one axis, in axis order; one group when no gap
// runs right across.
std::vector<Indexes> SplitAtGaps(const std::vector<QRect>& rects, Indexes indexes,
                                 Span (*along)(const QRect&)) {
    std::stable_sort(indexes.begin(), indexes.end(), [&](std::size_t a, std::size_t b) {
        return along(rects[a]).first < along(rects[b]).first;
    });
    std::vector<Indexes> groups;
    int reach = 0;
    for (const std::size_t index : indexes) {
        const Span span = along(rects[index]);
        if (groups.empty() || span.first >= reach) {
            groups.emplace_back();
            reach = span.second;
        }
        groups.back().push_back(index);
        reach = std::max(reach, span.second);
    }
    return groups;
}

void Read(const std::vector<QRect>& rects, const Indexes& indexes, Indexes& order) {
    if (indexes.size() > 1) {
        for (auto along : {&Rows, &Columns}) {
            const std::vector<Indexes> groups = SplitAtGaps(rects, indexes, along);
            if (groups.size() < 2) continue;
            for (const Indexes& group : groups) Read(rects, group, order);
            return;
        }
    }
    Indexes rest = indexes;
    std::stable_sort(rest.begin(), rest.end(), [&](std::size_t a, std::size_t b) {
        const QRect& ra = rects[a];
        const QRect& rb = rects[b];
        return std::pair(ra.top(), ra.left()) < std::pair(rb.top(), rb.left());
    });
    order.insert(order.end(), rest.begin(), rest.end());
}

bool TakesTab(const QWidget& widget) {
    return (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

}  // namespace

std::vector<std::size_t> ReadingOrder(const std::vector<QRect>& rects) {
    Indexes all(rects.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    Indexes order;
    Read(rects, all, order);
    return order;
}

std::vector<QWidget*> TabStops(const QWidget& container) {
    // Each child that stops Tab, or holds controls that do, with the stops it stands for.
    std::vector<QRect> places;
    std::vector<std::vector<QWidget*>> stops;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->isWindow()) continue;
        std::vector<QWidget*> inside =
            TakesTab(*child) ? std::vector<QWidget*>{child} : TabStops(*child);
        if (inside.empty()) continue;
        places.push_back(child->geometry());
        stops.push_back(std::move(inside));
    }
    std::vector<QWidget*> result;
    for (const std::size_t index : ReadingOrder(places)) {
        result.insert(result.end(), stops[index].begin(), stops[index].end());
    }
    return result;
}

void ChainTabOrder(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}
