#include "platform/runtime/ClassRegistry.h"

#include "platform/runtime/Classes.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/PropInfo.h"

#include <QHash>

#include <mutex>

namespace {

struct Registry {
    std::mutex lock;
    // Case-folded class name -> class: a later registration of a name replaces the earlier one.
    QHash<QString, const TClassInfo *> classes;
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
    r.classes.insert(cls.Name().toCaseFolded(), &cls);
}

const TClassInfo *GetClass(const QString &name)
{
    Registry &r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    return r.classes.value(name.toCaseFolded(), nullptr);
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
