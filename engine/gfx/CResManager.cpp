#include "engine/gfx/CResManager.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CFileData.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CLight.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CModelGeometry.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"

#include <algorithm>
#include <cstring>

namespace
{
// Every live manager, in order of creation.
std::vector<CResManager*>& Managers()
{
    static std::vector<CResManager*> managers;
    return managers;
}

CResEntry MakeEntry(const char* name, const char* file, bool wrap, bool dynamic)
{
    CResEntry entry;
    entry.m_name = name ? name : "";
    entry.m_file = file ? file : "";
    entry.m_wrap = wrap;
    entry.m_dynamic = dynamic;
    return entry;
}

template <typename T>
T* FindByName(const std::vector<std::unique_ptr<T>>& items, const std::vector<CResEntry>& entries,
              const char* name)
{
    if (name == nullptr)
    {
        return nullptr;
    }
    for (size_t i = 0; i < entries.size(); ++i)
    {
        if (entries[i].m_name == name)
        {
            return items[i].get();
        }
    }
    return nullptr;
}
}

CResManager::CResManager(CFilePack* pack) : m_pack(pack)
{
    Managers().push_back(this);
}

CResManager::~CResManager()
{
    std::vector<CResManager*>& managers = Managers();
    auto self = std::find(managers.begin(), managers.end(), this);
    if (self != managers.end())
    {
        managers.erase(self);
    }
    // Models and sprites may share textures with one another; drop them before the textures.
    m_models.clear();
    m_sprites.clear();
    m_textures.clear();
    m_configs.clear();
}

const std::vector<CResManager*>& CResManager::GetManagers()
{
    return Managers();
}

CTexture* CResManager::AddTexture(const char* file, const char* name, bool wrap, bool dynamic)
{
    auto texture = std::make_unique<CTexture>();
    if (m_pack != nullptr && file != nullptr)
    {
        // A picture that does not decode stays as an empty texture, found by its name.
        texture->Load(*m_pack, file, wrap, dynamic);
    }
    m_textures.push_back(std::move(texture));
    m_texture_entries.push_back(MakeEntry(name, file, wrap, dynamic));
    return m_textures.back().get();
}

CModel* CResManager::AddModel(const char* file, const char* name)
{
    auto model = std::make_unique<CModel>();
    model->LoadFile(m_pack, file);
    m_models.push_back(std::move(model));
    m_model_entries.push_back(MakeEntry(name, file, false, false));
    return m_models.back().get();
}

CSprite* CResManager::AddSprite(const char* file, const char* name)
{
    auto sprite = std::make_unique<CSprite>();
    sprite->LoadFile(m_pack, file);
    m_sprites.push_back(std::move(sprite));
    m_sprite_entries.push_back(MakeEntry(name, file, false, false));
    return m_sprites.back().get();
}

CConfigFile* CResManager::AddConfig(const char* file, const char* name)
{
    auto config = std::make_unique<CConfigFile>();
    if (m_pack != nullptr && file != nullptr)
    {
        CFileData data = m_pack->GetFile(file);
        config->LoadFromBuffer(data.GetData(), data.GetSize(), true);
        data.Free();
    }
    m_configs.push_back(std::move(config));
    // Configuration groups are parsed once and never reloaded: no file to remember.
    m_config_entries.push_back(MakeEntry(name, "", false, false));
    return m_configs.back().get();
}

void CResManager::AddLight(CLight* light, const char* name)
{
    m_lights.push_back(light);
    m_light_names.push_back(name ? name : "");
}

void CResManager::RemoveLight(const CLight* light)
{
    for (size_t i = m_lights.size(); i-- > 0;)
    {
        if (m_lights[i] == light)
        {
            m_lights.erase(m_lights.begin() + static_cast<long>(i));
            m_light_names.erase(m_light_names.begin() + static_cast<long>(i));
        }
    }
}

void CResManager::WithdrawLightEverywhere(const CLight* light)
{
    for (CResManager* manager : Managers())
    {
        manager->RemoveLight(light);
    }
}

CTexture* CResManager::FindTexture(const char* name) const
{
    return FindByName(m_textures, m_texture_entries, name);
}

CModel* CResManager::FindModel(const char* name) const
{
    return FindByName(m_models, m_model_entries, name);
}

CSprite* CResManager::FindSprite(const char* name) const
{
    return FindByName(m_sprites, m_sprite_entries, name);
}

CConfigFile* CResManager::FindConfig(const char* name) const
{
    return FindByName(m_configs, m_config_entries, name);
}

std::vector<const CConfigFile*> CResManager::GetConfigs() const
{
    std::vector<const CConfigFile*> configs;
    for (const auto& config : m_configs)
        if (config)
            configs.push_back(config.get());
    return configs;
}

CLight* CResManager::FindLight(const char* name) const
{
    if (name == nullptr)
    {
        return nullptr;
    }
    for (size_t i = 0; i < m_lights.size(); ++i)
    {
        if (m_light_names[i] == name)
        {
            return m_lights[i];
        }
    }
    return nullptr;
}

void CResManager::RegisterObject(void* object, const char* name)
{
    std::string key = name ? name : "";
    for (size_t i = 0; i < m_objects.size(); ++i)
    {
        if (m_object_names[i] == key)
        {
            m_objects[i] = object;
        }
    }
    m_objects.push_back(object);
    m_object_names.push_back(key);
}

void* CResManager::GetObject(const char* name) const
{
    if (name == nullptr)
    {
        return nullptr;
    }
    for (size_t i = 0; i < m_objects.size(); ++i)
    {
        if (m_object_names[i] == name)
        {
            return m_objects[i];
        }
    }
    return nullptr;
}

void CResManager::UnregisterObject(const char* name)
{
    if (name == nullptr)
    {
        return;
    }
    for (size_t i = 0; i < m_objects.size(); ++i)
    {
        if (m_object_names[i] == name)
        {
            m_objects.erase(m_objects.begin() + static_cast<long>(i));
            m_object_names.erase(m_object_names.begin() + static_cast<long>(i));
            return;
        }
    }
}

void CResManager::ReleaseGL()
{
    for (std::unique_ptr<CTexture>& texture : m_textures)
    {
        texture->Release();
    }
    for (std::unique_ptr<CSprite>& sprite : m_sprites)
    {
        sprite->ReleaseTexture();
    }
    for (std::unique_ptr<CModel>& model : m_models)
    {
        model->ReleaseGL();
    }
}

void CResManager::ReloadGL()
{
    for (size_t i = 0; i < m_textures.size(); ++i)
    {
        const CResEntry& entry = m_texture_entries[i];
        if (m_pack != nullptr && !entry.m_file.empty())
        {
            m_textures[i]->Load(*m_pack, entry.m_file, entry.m_wrap, entry.m_dynamic);
        }
    }
    for (size_t i = 0; i < m_sprites.size(); ++i)
    {
        m_sprites[i]->LoadFile(m_pack, m_sprite_entries[i].m_file.c_str());
    }
    for (size_t i = 0; i < m_models.size(); ++i)
    {
        m_models[i]->LoadFile(m_pack, m_model_entries[i].m_file.c_str());
    }
    for (CLight* light : m_lights)
    {
        light->Apply();
    }
}

void CResManager::ReleaseTextures(const std::vector<std::string>& names)
{
    for (size_t i = 0; i < m_textures.size(); ++i)
        if (std::find(names.begin(), names.end(), m_texture_entries[i].m_name) != names.end())
            m_textures[i]->Release();
}

void CResManager::ReloadTextures(const std::vector<std::string>& names)
{
    for (size_t i = 0; i < m_textures.size(); ++i)
    {
        const CResEntry& entry = m_texture_entries[i];
        if (m_pack != nullptr && !entry.m_file.empty() && m_textures[i]->GetId() == 0 &&
            std::find(names.begin(), names.end(), entry.m_name) != names.end())
            m_textures[i]->Load(*m_pack, entry.m_file, entry.m_wrap, entry.m_dynamic);
    }
}

void CResManager::ReleaseAllGL()
{
    for (CResManager* manager : Managers())
    {
        manager->ReleaseGL();
    }
    // Lists of copies that no manager reaches die with the context as well.
    CModelGeometry::OnContextLost();
}

void CResManager::ReloadAllGL()
{
    for (CResManager* manager : Managers())
    {
        manager->ReloadGL();
    }
}
