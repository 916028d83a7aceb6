#include "tests/eraser/EraserTestKit.h"

#include "engine/files/CConfigFile.h"

int CEraserEvents::CountSound(int id) const
{
    int count = 0;
    for (int sound : m_sounds)
        count += sound == id ? 1 : 0;
    return count;
}

std::unique_ptr<CEraserParams> MakeParams(int size, int difficulty)
{
    auto params = std::make_unique<CEraserParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "640");
    store.SetValue("m_score_brick", "10");
    store.SetValue("m_score_brick_penalty", "5");
    store.SetValue("m_skins_count", "3");
    store.SetValue("m_fall_effect_speed", "0.6");
    store.SetValue("m_group_size", "2 3 4");
    store.SetValue("m_colors_field", "4 5 6");
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}

void SetBoard(CEraserField& field, const std::vector<std::string>& rows)
{
    static const std::string letters = "RGBYPC";
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            field.RemoveBrick(x, y);
            char c = (y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())) ? rows[y][x] : '.';
            std::size_t color = letters.find(c);
            if (color != std::string::npos)
                field.CreateBrickAt(x, y, static_cast<int>(color));
        }
}

std::vector<std::string> GetBoard(const CEraserField& field)
{
    std::vector<std::string> rows;
    for (int y = 0; y < field.GetHeight(); ++y)
    {
        std::string row;
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            const CEraserBrick* brick = field.GetEraserBrick(x, y);
            row += brick ? "RGBYPC"[brick->GetColor()] : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

int SettleField(CEraserField& field, int limit)
{
    int updates = 0;
    do
    {
        field.Update(16.0f);
        ++updates;
    } while (field.GetState() != CEraserField::STATE_IDLE && field.GetState() != CEraserField::STATE_SWEEP &&
             updates < limit);
    return updates;
}

CVector4 CellPoint(const CEraserField& field, int x, int y)
{
    CVector4 p;
    field.GetBrickPosition(p, x, y);
    return p;
}
