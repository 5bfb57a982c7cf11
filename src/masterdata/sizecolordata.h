// Sizes and colours and their groups: the two families share every rule and differ only in
// their tables, their columns and their texts, which one table per family holds. The business
// sequences below take plain values and return the refusal the window shows ("" when done);
// each one that writes runs in one transaction.
#pragma once

#include <QString>
#include <QStringList>

struct SizeColorFamily {
    // Tables and columns.
    QString memberTable;   // jxc_cm, jxc_color
    QString member;        // column prefix of a member: cm, color (cm_sn, cm_name, cm_jm, cm_tm)
    QString groupTable;    // jxc_cmz, jxc_colorz
    QString group;         // column prefix of a group: cmz, colorz (cmz_sn, cmz_name)
    QString linkTable;     // jxc_cmz2, jxc_colorz2
    QString goodsName;     // column of jxc_goods holding the group's name: cmz_name, color_name
    bool guardsDefaultGroup = false;  // the colour windows refuse the group "100001" by code
    bool hasClickColumn = false;      // jxc_color.color_click, written 0

    // Captions of the group window and the composition editor.
    QString groupWindowTitle, allGroups, groupNameCaption, holds, memberNameCaption;
    QString editorTitle, currentGroup, searchLabel, currentMembers, allMembers;
    QString modifyMember, newMember, deleteMember;
    // Captions of the dialogs.
    QString addGroupTitle, addMemberTitle, modifyMemberTitle, memberNameLabel, memberCodeLabel;

    // Messages.
    QString defaultGroupNoRename, defaultGroupNoDelete;
    QString groupInUse, memberOfUsedGroup, askDeleteGroup, askDeleteMember, noGroupYet;
    QString groupNameRequired, groupNameTaken;
    QString memberNameRequired, memberCodeRequired, memberTaken, memberTakenOnModify, memberHeldByGroup;

    QString col(const QString& prefix, const char* suffix) const { return prefix + QLatin1Char('_') + QLatin1String(suffix); }
    QString memberCol(const char* suffix) const { return col(member, suffix); }
    QString groupCol(const char* suffix) const { return col(group, suffix); }
};

const SizeColorFamily& sizeFamily();
const SizeColorFamily& colorFamily();

// The built-in group and member that these windows never show or change.
inline constexpr const char* kDefaultSn = "100001";

// What a sequence answers: the code it wrote (a new group or member), or the refusal.
struct MasterResult {
    QString code;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// ---- Statements of the named queries -------------------------------------------------------
QString groupListSql(const SizeColorFamily& f);                          // every group but the default
QString groupMembersSql(const SizeColorFamily& f, const QString& group);  // members by the member's id
QString availableMembersSql(const SizeColorFamily& f, const QString& group);

// ---- Groups ----------------------------------------------------------------------------------
// The group's name; "" when there is no such group.
QString groupName(const SizeColorFamily& f, const QString& group);
// Whether goods use the group: goods that carry its code or its present name.
bool groupInUse(const SizeColorFamily& f, const QString& group);

// A new group under the next code (name trimmed and made safe).
MasterResult addGroup(const SizeColorFamily& f, const QString& name);
// A new name for a group; the goods keep the name they were saved with.
MasterResult renameGroup(const SizeColorFamily& f, const QString& group, const QString& name);
// The refusal of deleting the group ("" when it may go), asked before the question.
QString groupDeleteRefusal(const SizeColorFamily& f, const QString& group);
// Deletes the group with its membership (checked again inside the transaction).
MasterResult deleteGroup(const SizeColorFamily& f, const QString& group);
// The refusal of taking a member out of the group through the group window ("" when allowed).
QString groupMemberRemoveRefusal(const SizeColorFamily& f, const QString& group);
// "删除" of the group window: takes one member out of a group that no goods use.
MasterResult removeGroupMember(const SizeColorFamily& f, const QString& group, const QString& member);

// ---- Composition (no goods check: the editor may change a group in use) -----------------------
// Adds the members not yet in the group, in the order given; the default member is never added.
void addMembersToGroup(const SizeColorFamily& f, const QString& group, const QStringList& members);
// Takes the given members out of the group.
void removeMembersFromGroup(const SizeColorFamily& f, const QString& group, const QStringList& members);
// Empties the group.
void clearGroup(const SizeColorFamily& f, const QString& group);

// ---- Members ---------------------------------------------------------------------------------
// A new size or colour: name and barcode code trimmed and made safe, both unique in the table.
MasterResult addMember(const SizeColorFamily& f, const QString& name, const QString& tmCode);
// New name and barcode code of a member; variant barcodes already built keep the old code.
MasterResult modifyMember(const SizeColorFamily& f, const QString& member, const QString& name,
                          const QString& tmCode);
// The refusal of deleting a member that some group holds ("" when it may go).
QString memberDeleteRefusal(const SizeColorFamily& f, const QString& member);
MasterResult deleteMember(const SizeColorFamily& f, const QString& member);
