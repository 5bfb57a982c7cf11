// Bundles on plain values: the component lines of a bundle being entered are working lines of
// jxc_kbsp (size and colour rows in jxc_kbspmx) under its provisional number, each with the
// warehouse it leaves; the posting turns them into a posted bundle, written whole or not at all.
#pragma once

#include "bills/workinglines.h"
#include "data/billtables.h"
#include "data/values.h"

#include <QString>
#include <QVector>

// Component lines of a bundle.
inline constexpr BillLineTables kBundleLines{"jxc_kbsp", "jxc_kbspmx", "gl_djh", "kb_sl", "kb_dj", "kb_zje"};
// The component picker's scratch rows become component lines, each leaving the warehouse kept
// in the scratch row's hy_sn.
extern const ScratchTransfer kBundleScratch;

// Writes a picked component into the scratch list with the warehouse it leaves; returns the row id.
qint64 writeBundleScratchRow(const WorkingLine& line, const QString& ckSn);
// The warehouse a picked component (a scratch row) or a component line leaves.
void setBundleScratchWarehouse(qint64 rowId, const QString& ckSn);
void setBundleLineWarehouse(qint64 lineId, const QString& ckSn);

// What the bundle window holds when the bundle is posted.
struct KbPosting {
    QString djh;   // provisional number; the component lines are the working lines under it
    QString ckSn;  // the warehouse the bundle goods enters
    QString uSn;   // the handler
    QString gSn;   // the bundle goods
    Money qty;     // the bundle quantity
    QString date;  // "yyyy-MM-dd"
    QString note;
    QString op;
};

// Unit cost at which the bundle goods enters the warehouse: its kc_cbj there, else 0.
Money bundleCost(const QString& gSn, const QString& ckSn);

// Posts the bundle in one Transaction: the header; the bundle goods +qty in its warehouse at its
// cost there (a new stock row at 0 when it has none), in g_kc, in the month row and in the
// size and colour stock (under the first component row's size and colour when the goods'
// groups hold them, else under its groups' first size and colour); each component -quantity
// from its own warehouse at its line value, its size and colour rows leaving that warehouse;
// the cost difference as a "捆绑成本差额" expense row when not 0; the log. Returns the number of
// lines. Throws DbError, with nothing written, when there is no bundle goods, the quantity is
// not above 0, there are no lines or the number is already posted.
int postKb(const KbPosting& kb);
