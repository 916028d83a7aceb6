#pragma once

#include <memory>
#include <string>
#include <vector>

class CConfigFile;
class CFilePack;
class CLight;
class CModel;
class CSprite;
class CTexture;

// What a manager remembers of a loaded resource so that it can load it again
// after the GL context has been rebuilt.
struct CResEntry
{
    std::string m_name;
    std::string m_file;
    bool m_wrap = false;
    bool m_dynamic = false;
};

// Named textures, models, sprites and configuration groups (owned), plus lights and
// untyped objects that others own and register here to be found by name.
// Lookups are exact and case-sensitive; the first entry added under a name wins.
// Every live manager is listed globally so that GL objects can be dropped and
// rebuilt when the display mode changes.
class CResManager
{
public:
    explicit CResManager(CFilePack* pack);
    ~CResManager();
    CResManager(const CResManager&) = delete;
    CResManager& operator=(const CResManager&) = delete;

    CTexture* AddTexture(const char* file, const char* name, bool wrap, bool dynamic);
    CModel* AddModel(const char* file, const char* name);
    CSprite* AddSprite(const char* file, const char* name);
    // Raises the pack's exception when the file is missing.
    CConfigFile* AddConfig(const char* file, const char* name);
    // The caller keeps ownership and must remove the light before it dies
    // (CLight's destructor does this for every manager).
    void AddLight(CLight* light, const char* name);
    void RemoveLight(const CLight* light);

    CTexture* FindTexture(const char* name) const;
    CModel* FindModel(const char* name) const;
    CSprite* FindSprite(const char* name) const;
    CConfigFile* FindConfig(const char* name) const;
    // Every loaded layout group, in the order of loading.
    std::vector<const CConfigFile*> GetConfigs() const;
    CLight* FindLight(const char* name) const;

    void RegisterObject(void* object, const char* name);
    void* GetObject(const char* name) const;
    void UnregisterObject(const char* name);

    void ReleaseGL();
    void ReloadGL();
    // Lets the named textures' pictures go while keeping what reads them
    // again; ReloadTextures reads those that were let go. For a screen that
    // another covers for a while.
    void ReleaseTextures(const std::vector<std::string>& names);
    void ReloadTextures(const std::vector<std::string>& names);

    CFilePack* GetPack() const { return m_pack; }
    size_t GetLightCount() const { return m_lights.size(); }
    size_t GetObjectCount() const { return m_objects.size(); }

    static void ReleaseAllGL();
    static void ReloadAllGL();
    // Drops the light from every live manager; CLight's destructor calls it.
    static void WithdrawLightEverywhere(const CLight* light);
    static const std::vector<CResManager*>& GetManagers();

private:
    CFilePack* m_pack;
    std::vector<std::unique_ptr<CTexture>> m_textures;
    std::vector<CResEntry> m_texture_entries;
    std::vector<std::unique_ptr<CModel>> m_models;
    std::vector<CResEntry> m_model_entries;
    std::vector<std::unique_ptr<CSprite>> m_sprites;
    std::vector<CResEntry> m_sprite_entries;
    std::vector<std::unique_ptr<CConfigFile>> m_configs;
    std::vector<CResEntry> m_config_entries;
    std::vector<void*> m_objects;
    std::vector<std::string> m_object_names;
    std::vector<CLight*> m_lights;
    std::vector<std::string> m_light_names;
};
