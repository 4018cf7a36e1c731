#pragma once
// The class registry: classes by name, for the form reader and for creating a component whose
// class is known only by name. T_IMPLEMENT_CLASS registers every described class.

#include <QString>

class TClassInfo;
class TComponent;

void RegisterClass(const TClassInfo &cls);
// The registered class of that name (without regard to case), or nullptr.
const TClassInfo *GetClass(const QString &name);
// The same, failing with EClassNotFound "Class X not found".
const TClassInfo &FindClass(const QString &name);
// Creates a component of the named class with `owner`; fails with EClassNotFound for an unknown
// class and with EComponentError when the class cannot be created by name.
TComponent *CreateComponentByClassName(const QString &className, TComponent *owner);
