// SPDX-License-Identifier: MIT
// What the stake and profit windows share: twenty figure boxes with their entry labels,
// "(&R)再計算" and "(&E)End", and the session's latest result shown when they load and whenever
// it changes.
#pragma once

#include "ui/control_table.h"
#include "ui/set_up_window.h"

#include <QWidget>

#include <algorithm>
#include <array>
#include <span>

class QPushButton;

namespace tenvo {

class Navigator;
class Session;
struct PricedResult;

// Box and label of every entry, entry k in row k - 1 of the left column up to entry 11 and in
// row k - 12 of the right one from entry 12, the first row at `top`. There is no Label7: from
// entry 7 on, entry k's label is Label(k + 1). Each takes its tab index from its table.
constexpr std::array<ControlRow, 2 * kEntryCount>
EntryRows(int top, const std::array<int, kEntryCount>& boxTab,
          const std::array<int, kEntryCount>& labelTab) {
    constexpr const char* kBoxes[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",
                                      "Text6",  "Text7",  "Text8",  "Text9",  "Text10",
                                      "Text11", "Text12", "Text13", "Text14", "Text15",
                                      "Text16", "Text17", "Text18", "Text19", "Text20"};
    constexpr const char* kLabels[] = {"Label1",  "Label2",  "Label3",  "Label4",  "Label5",
                                       "Label6",  "Label8",  "Label9",  "Label10", "Label11",
                                       "Label12", "Label13", "Label14", "Label15", "Label16",
                                       "Label17", "Label18", "Label19", "Label20", "Label21"};
    constexpr const char* kCaptions[] = {"(1)",  "(2)",  "(3)",  "(4)",  "(5)",  "(6)",  "(7)",
                                         "(8)",  "(9)",  "(10)", "(11)", "(12)", "(13)", "(14)",
                                         "(15)", "(16)", "(17)", "(18)", "(19)", "(20)"};
    // The labels' sizes, entry 1 first: 375 or 255 twips wide and high.
    constexpr int kLabelWidths[] = {375, 375, 255, 255, 255, 375, 255, 255, 255, 375,
                                    375, 375, 375, 375, 375, 375, 375, 375, 375, 375};
    constexpr int kLabelHeights[] = {375, 375, 375, 255, 255, 255, 255, 255, 375, 255,
                                     375, 255, 255, 255, 255, 255, 255, 255, 255, 255};
    std::array<ControlRow, 2 * kEntryCount> rows{};
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const bool left = i < 11;
        const int rowTop = top + 480 * static_cast<int>(left ? i : i - 11);
        rows[i] = {kBoxes[i], ControlKind::TextBox, kBoxes[i], left ? 360 : 1680, rowTop, 855, 375,
                   boxTab[i]};
        rows[kEntryCount + i] = {kLabels[i], ControlKind::Label, kCaptions[i],     left ? 0 : 1320,
                                 rowTop,     kLabelWidths[i],    kLabelHeights[i], labelTab[i]};
    }
    return rows;
}

// Two tables as one.
template <std::size_t N, std::size_t M>
constexpr std::array<ControlRow, N + M> Joined(const std::array<ControlRow, N>& first,
                                               const std::array<ControlRow, M>& second) {
    std::array<ControlRow, N + M> rows{};
    std::copy(first.begin(), first.end(), rows.begin());
    std::copy(second.begin(), second.end(), rows.begin() + N);
    return rows;
}

class FigureWindow : public QWidget {
public:
    ~FigureWindow() override;

    void Command1_Click(); // "(&R)再計算": back to the odds window
    void Command2_Click(); // "(&E)End"

protected:
    // A window laid out from `controls`, its entry boxes Text1 to Text20 named for screen
    // readers "(k) の" + what and described by `description`. The derived window calls
    // Form_Load when it is made.
    FigureWindow(Navigator& navigator, Session& session, const WindowLook& look,
                 std::span<const ControlRow> controls, const char* what, const char* description);

    void Form_Load(); // shows the session's latest result, when there is one
    virtual void ShowResult(const PricedResult& result) = 0;

    Navigator& m_navigator;
    Session& m_session;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    EntryBoxes m_boxes{}; // Text1 to Text20

private:
    int m_watch = 0;
};

} // namespace tenvo
