// TiVCLComponent: theme schemes, named sets of published property values kept in XML files per
// control class, in the library's and the user's theme folders that the registry names.

#include "plotlib/base/iVCLComponent.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "platform/settings/Registry.h"
#include "plotlib/base/iClasses.h"

#include <memory>

namespace {

const QString ThemeKey = QStringLiteral("SOFTWARE\\Quorin\\Themes");
const QString LibraryFolderValue = QStringLiteral("Quorin Defined Theme Path");
const QString UserFolderValue = QStringLiteral("User Defined Theme Path");

// The two values of the theme key under Root, trimmed; empty when the key or a value is missing.
void ReadFolders(HKEY Root, QString &Library, QString &User)
{
    TRegistry registry(KEY_READ);
    registry.SetRootKey(Root);
    Library.clear();
    User.clear();
    if (!registry.OpenKeyReadOnly(ThemeKey))
        return;
    Library = Trim(registry.ReadString(LibraryFolderValue));
    User = Trim(registry.ReadString(UserFolderValue));
}

// The folder with its separator, so that a file name can follow; empty stays empty (the current
// directory).
QString AsFolder(const QString &Folder)
{
    return Folder.isEmpty() || Folder.endsWith(u'/') ? Folder : Folder + u'/';
}

void Malformed()
{
    throw Exception(QStringLiteral("Error Loading Scheme. XML File Malformed"));
}

// Reads one scheme file into the categories, its schemes into lists of the class SchemeList.
template <class SchemeList>
void ReadSchemeFile(TiXMLMemoryStream &Stream, TStringList &Categories)
{
    Stream.GotoElementStart(QStringLiteral("SchemeTypes"));
    while (Stream.PeekNextPiece() == QStringLiteral("SchemeType")) {
        Stream.GotoElementStart(QStringLiteral("SchemeType"));
        const QString category = Stream.GetElement(QStringLiteral("Name"));
        int index = Categories.IndexOf(category);
        if (index < 0)
            index = Categories.AddObject(category, new TStringList(true));
        auto *schemes = static_cast<TStringList *>(Categories.GetObject(index));
        while (Stream.PeekNextPiece() == QStringLiteral("Scheme")) {
            Stream.GotoElementStart(QStringLiteral("Scheme"));
            auto *scheme = new SchemeList;
            schemes->AddObject(Stream.GetElement(QStringLiteral("Name")), scheme);
            Stream.GotoElementStart(QStringLiteral("Properties"));
            while (Stream.PeekNextPiece() != QStringLiteral("/Properties")) {
                const QString name = Stream.PeekNextPiece();
                const QString value = Stream.GetElement(name);
                if (!name.isEmpty())
                    scheme->Add(name + QStringLiteral(" = ") + value);
            }
            if (Stream.GetNextPiece() != QStringLiteral("/Properties") ||
                Stream.GetNextPiece() != QStringLiteral("/Scheme"))
                Malformed();
        }
        if (Stream.GetNextPiece() != QStringLiteral("/SchemeType"))
            Malformed();
    }
    if (Stream.GetNextPiece() != QStringLiteral("/SchemeTypes"))
        Malformed();
}

TStringList *Schemes(const TStringList &Categories, int CategoryIndex)
{
    return static_cast<TStringList *>(Categories.GetObject(CategoryIndex));
}

template <class SchemeList>
void LoadSchemeFile(const QString &FileName, TStringList &Categories)
{
    if (!FileExists(FileName))
        return;
    TiXMLMemoryStream stream;
    stream.LoadFromFile(FileName);
    ReadSchemeFile<SchemeList>(stream, Categories);
}

}  // namespace

void TiVCLComponent::LoadThemes()
{
    FThemeCategoryList.Clear();
    QString library, user;
    ReadFolders(HKEY_LOCAL_MACHINE, library, user);
    QString userLibrary, userUser;
    ReadFolders(HKEY_CURRENT_USER, userLibrary, userUser);
    if (!userLibrary.isEmpty())
        library = userLibrary;
    if (!userUser.isEmpty())
        user = userUser;
    LoadSchemeFile<TiQuorinSchemeList>(AsFolder(library) + ClassName() + QStringLiteral(".xml"), FThemeCategoryList);
    LoadSchemeFile<TiUserSchemeList>(AsFolder(user) + ClassName() + QStringLiteral("User.xml"), FThemeCategoryList);
}

int TiVCLComponent::GetThemeCategoryCount() const
{
    return FThemeCategoryList.Count();
}

QString TiVCLComponent::GetThemeCategoryName(int CategoryIndex) const
{
    return FThemeCategoryList.Get(CategoryIndex);
}

int TiVCLComponent::GetThemeCategorySchemeCount(int CategoryIndex) const
{
    return Schemes(FThemeCategoryList, CategoryIndex)->Count();
}

QString TiVCLComponent::GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const
{
    return Schemes(FThemeCategoryList, CategoryIndex)->Get(SchemeIndex);
}

bool TiVCLComponent::GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const
{
    return dynamic_cast<TiUserSchemeList *>(Schemes(FThemeCategoryList, CategoryIndex)->GetObject(SchemeIndex));
}

void TiVCLComponent::ApplyScheme(int CategoryIndex, int SchemeIndex)
{
    TStringList *scheme = Schemes(FThemeCategoryList, CategoryIndex);
    // Checked before the first line: a bad scheme index changes nothing.
    const auto *lines = static_cast<const TStringList *>(scheme->GetObject(SchemeIndex));
    for (int i = 0; i < lines->Count(); ++i) {
        const QString line = lines->Get(i);
        const qsizetype at = line.indexOf(u'=');
        if (at < 0)
            continue;
        const QString name = Trim(line.left(at));
        // The value begins after the "=" and the one blank written behind it; further blanks stay.
        if (!name.isEmpty())
            SetPropertyFromVariant(this, QString(), TiOPCValue(line.mid(at + 2)), name);
    }
}
