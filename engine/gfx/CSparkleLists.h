#pragma once

#include "engine/gfx/CVector4.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/gfx/CBackSparkle.h"
#include "engine/gfx/CSparkle.h"

class CResManager;

// The front and back sparkle lists of the application. Each operation does nothing while
// there is no resource manager to find the shared sprites in. Steps are per call: the
// screens call the updates once per frame.
class CSparkleLists
{
public:
    static constexpr const char* kFrontSprite = "atmosperic_sparkle";
    static constexpr const char* kBackSprite = "atmosperic_back_sparkle";

    explicit CSparkleLists(SparkleRandom random);
    ~CSparkleLists();

    void SetResManager(CResManager* manager) { m_res_manager = manager; }

    void AddSparkle(CVector4 position, int32_t group);
    void UpdateSparkles();
    void DrawSparkles();
    void AddBackSparkle();
    void UpdateBackSparkles();
    // shown: when given, only the back sparkles whose place in it is true;
    // light: the share of their light they are drawn with (1: as they are),
    // as a black veil over them would leave it.
    void DrawBackSparkles(const std::vector<bool>* shown = nullptr, float light = 1.0f);
    void Clear();

    const std::vector<std::unique_ptr<CSparkle>>& GetSparkles() const { return m_sparkles; }
    const std::vector<std::unique_ptr<CBackSparkle>>& GetBackSparkles() const
    {
        return m_back_sparkles;
    }
    // For tests and effects that place a particle themselves.
    CBackSparkle* GetBackSparkle(size_t index) { return m_back_sparkles[index].get(); }

private:
    CResManager* m_res_manager = nullptr;
    SparkleRandom m_random;
    std::vector<std::unique_ptr<CSparkle>> m_sparkles;
    std::vector<std::unique_ptr<CBackSparkle>> m_back_sparkles;
};
