#include "platform/runtime/ClassRegistry.h"

#include "platform/runtime/Classes.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/PropInfo.h"

#include <mutex>
#include <vector>

namespace {

struct Registry {
    std::mutex lock;
    std::vector<const TClassInfo *> classes;
};

Registry &TheRegistry()
{
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterClass(const TClassInfo &cls)
{
    Registry &r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    for (const TClassInfo *&existing : r.classes)
        if (existing->Name().compare(cls.Name(), Qt::CaseInsensitive) == 0) {
            existing = &cls;
            return;
        }
    r.classes.push_back(&cls);
}

const TClassInfo *GetClass(const QString &name)
{
    Registry &r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    for (const TClassInfo *c : r.classes)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

const TClassInfo &FindClass(const QString &name)
{
    if (const TClassInfo *c = GetClass(name))
        return *c;
    throw EClassNotFound(QStringLiteral("Class %1 not found").arg(name));
}

TComponent *CreateComponentByClassName(const QString &className, TComponent *owner)
{
    const TClassInfo &cls = FindClass(className);
    if (!cls.CanCreate())
        throw EComponentError(QStringLiteral("Class %1 cannot be created by name").arg(className));
    return cls.Create(owner);
}
