// The four registers of the party ledger with their entry dialogs, as the command table names
// them: receivables (TF_Yskdj), payables (TF_Yfkdj), receipts (TF_Ysksk), payments (TF_Yfkfk).
// Each is the shared register window described by its RegisterSpec.
#pragma once

#include "accounts/partyregister.h"

// "应收款登记"
class TF_Yskdj_Sele : public TF_PartyEntryDialog {
public:
    explicit TF_Yskdj_Sele(QWidget* parent = nullptr);
};
class TF_Yskdj : public TF_PartyRegister {
public:
    explicit TF_Yskdj(QWidget* parent = nullptr);

protected:
    TF_PartyEntryDialog* entryDialog() override;
};
extern TF_Yskdj* F_Yskdj;
extern TF_Yskdj_Sele* F_Yskdj_Sele;

// "应付款登记"
class TF_Yfkdj_Sele : public TF_PartyEntryDialog {
public:
    explicit TF_Yfkdj_Sele(QWidget* parent = nullptr);
};
class TF_Yfkdj : public TF_PartyRegister {
public:
    explicit TF_Yfkdj(QWidget* parent = nullptr);

protected:
    TF_PartyEntryDialog* entryDialog() override;
};
extern TF_Yfkdj* F_Yfkdj;
extern TF_Yfkdj_Sele* F_Yfkdj_Sele;

// "收款登记"
class TF_Ysksk_Sele : public TF_PartyEntryDialog {
public:
    explicit TF_Ysksk_Sele(QWidget* parent = nullptr);
};
class TF_Ysksk : public TF_PartyRegister {
public:
    explicit TF_Ysksk(QWidget* parent = nullptr);

protected:
    TF_PartyEntryDialog* entryDialog() override;
};
extern TF_Ysksk* F_Ysksk;
extern TF_Ysksk_Sele* F_Ysksk_Sele;

// "付款登记"
class TF_Yfkfk_Sele : public TF_PartyEntryDialog {
public:
    explicit TF_Yfkfk_Sele(QWidget* parent = nullptr);
};
class TF_Yfkfk : public TF_PartyRegister {
public:
    explicit TF_Yfkfk(QWidget* parent = nullptr);

protected:
    TF_PartyEntryDialog* entryDialog() override;
};
extern TF_Yfkfk* F_Yfkfk;
extern TF_Yfkfk_Sele* F_Yfkfk_Sele;
