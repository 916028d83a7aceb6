#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Boards of the kinds' tests as small text pictures, one string per row from
// the top: the letter at i of `letters` is colour i, '.' an empty cell, and
// where a kind's bricks can be selected, lower case a selected brick. Rows
// and cells missing from a picture are empty. The `ring` outermost cells of
// the field stay out of the picture.
using Board = std::vector<std::string>;

// Selection, for the bricks that know it.
template <class TBrick>
auto SelectPictureBrick(TBrick* brick) -> decltype(brick->Select(), void())
{
    brick->Select();
}
inline void SelectPictureBrick(const void*) {}
template <class TBrick>
auto IsPictureBrickSelected(const TBrick* brick, int) -> decltype(brick->IsSelected())
{
    return brick->IsSelected();
}
template <class TBrick>
bool IsPictureBrickSelected(const TBrick*, long)
{
    return false;
}

// Lays the picture onto the field; with `clear` every cell in it is emptied
// first (fields whose removal is a move of the game are cleared otherwise).
template <class TField>
void SetBoardPicture(TField& field, const Board& rows, const std::string& letters, int ring = 0, bool clear = true)
{
    for (int y = ring; y < field.GetHeight() - ring; ++y)
        for (int x = ring; x < field.GetWidth() - ring; ++x)
        {
            if (clear)
                field.RemoveBrick(x, y);
            const std::size_t row = static_cast<std::size_t>(y - ring), column = static_cast<std::size_t>(x - ring);
            const char c = row < rows.size() && column < rows[row].size() ? rows[row][column] : '.';
            const std::size_t color = letters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
            if (c == '.' || color == std::string::npos)
                continue;
            auto* brick = field.CreateBrickAt(x, y, static_cast<int>(color));
            if (brick && std::islower(static_cast<unsigned char>(c)))
                SelectPictureBrick(brick);
        }
}

// The picture of the bricks the field holds; `lower` false shows selected
// bricks in upper case too.
template <class TField>
Board GetBoardPicture(const TField& field, const std::string& letters, int ring = 0, bool lower = true)
{
    using TBrick = std::remove_pointer_t<decltype(std::declval<TField&>().CreateBrickAt(0, 0, 0))>;
    Board rows;
    for (int y = ring; y < field.GetHeight() - ring; ++y)
    {
        std::string row;
        for (int x = ring; x < field.GetWidth() - ring; ++x)
        {
            const auto* brick = static_cast<const TBrick*>(field.GetBrick(x, y));
            const char c = brick ? letters.at(static_cast<std::size_t>(brick->GetColor())) : '.';
            row += brick && lower && IsPictureBrickSelected(brick, 0) ? static_cast<char>(std::tolower(c)) : c;
        }
        rows.push_back(row);
    }
    return rows;
}

inline int CountLetter(const Board& board, char letter)
{
    int count = 0;
    for (const std::string& row : board)
        count += static_cast<int>(std::count(row.begin(), row.end(), letter));
    return count;
}
