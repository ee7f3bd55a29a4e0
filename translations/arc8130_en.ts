<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AdminRights</name>
    <message>
        <location filename="../src/admin/AdminRights.cpp" line="+43"/>
        <source>That is not the password of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Whether %1 is an administrator cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not an administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Whether an administrator is set up cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 needs an administrator, as one is set up: give &quot;--as NAME&quot; before the command, and the administrator&apos;s password as the first line of input.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchIssue</name>
    <message>
        <location filename="../src/app/BatchIssue.cpp" line="+54"/>
        <source>
Their pages are not digitally signed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateCheck</name>
    <message>
        <location filename="../src/checking/CertificateCheck.cpp" line="+260"/>
        <source>Block %1: the organisation has no %2 approval number; add it under Set-up → Organizations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Block 12: the re-certification statement still holds &quot;%1&quot;; write in what it asks for.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <location filename="../src/issuing/export_main.cpp" line="+82"/>
        <source>&quot;%1&quot; is not a date (DD/MMM/YYYY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--from %1 is later than --to %2: the period holds no day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 exists already; --force replaces it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 rows written to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportTarget</name>
    <message>
        <location filename="../src/issuing/ExportTarget.cpp" line="+91"/>
        <source>it is %1, a file of the data source itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is %1, where the data source keeps its signing keys or issued pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it lies in %1, which holds the data source&apos;s signing keys or issued pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssuePrompts</name>
    <message>
        <location filename="../src/app/IssuePrompts.h" line="+44"/>
        <source>Superseded by %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The certificate was not issued. %1
Nothing was printed, written or kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Issue certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Certificate %1 issued, not digitally signed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssueRuns</name>
    <message>
        <location filename="../src/issuing/IssueRuns.cpp" line="+44"/>
        <source>run of %1 from %2: %3 issued, %4 not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+66"/>
        <source>another workstation has taken up the run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyPolicy</name>
    <message>
        <location filename="../src/signing/KeyPolicy.cpp" line="+23"/>
        <source>only ECDSA keys on P-256 or P-384 and RSA keys of 2048 bits or more may sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>an unknown curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The key is an ECDSA key on %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The key is an RSA key of %1 bits: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key is an Ed25519 key: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key is an Ed448 key: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The key is of the kind %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The certificate&apos;s key usage (%1) allows no signatures: it must include digitalSignature or nonRepudiation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>an unknown digest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is signed with %2: SHA-256 or stronger is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>An issuer&apos;s certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The key comes without its certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A trial signature failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A trial signature does not verify</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <location filename="../src/ui/MessageBoxes.cpp" line="+46"/>
        <source>Back to the certificate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberPrompts</name>
    <message>
        <location filename="../src/app/NumberPrompts.h" line="+16"/>
        <source>Certificate number %1 is void, so this certificate was not saved.
Give it a number of its own in block 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save form on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Number %1 was not voided: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Void number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <location filename="../src/records/Passwords.cpp" line="+16"/>
        <source>A sign-in password has at least %1 characters; the one typed has %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintPrompts</name>
    <message>
        <location filename="../src/printing/PrintPrompts.h" line="+46"/>
        <source>The first finding must be corrected before the certificate is issued with a signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The first %1 findings must be corrected before the certificate is issued with a signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was printed, written, kept or logged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterExport</name>
    <message>
        <location filename="../src/issuing/RegisterExport.cpp" line="+218"/>
        <source>%1 is not written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 exists already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunHold</name>
    <message>
        <location filename="../src/issuing/RunHold.cpp" line="+50"/>
        <source>the run&apos;s name is not one the program makes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignIn</name>
    <message>
        <location filename="../src/signin/SignIn.cpp" line="+45"/>
        <source>
No certificate is issued until then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signing key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatoryCertificates</name>
    <message>
        <location filename="../src/reference/SignatoryCertificates.cpp" line="+35"/>
        <source>Revoked on %1 (%2): it signs nothing more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The password was changed, but the signing key could not be kept under it: %1
After the next sign-in no certificate can be issued until %2 has a new signing certificate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatureReport</name>
    <message>
        <location filename="../src/signing/DeclaredSignature.cpp" line="+80"/>
        <source>The document&apos;s structure cannot be followed to its signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The document&apos;s form declares no signature, yet the file holds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The signature&apos;s byte range does not cover the file as a signature must.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The document&apos;s signature field holds no signature.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SigningKeyState</name>
    <message>
        <location filename="../src/signin/SigningKeyState.cpp" line="+15"/>
        <source>An administrator gives %1 a new signing certificate (Set-up, DMIRs, &quot;Signing certificate...&quot;); then %1 signs in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Whoever looks after this computer gives the account %1 read access to %2: the data folder&apos;s Keys folder and its files take the group of the data folder, which may read them (see &quot;A data folder shared by several accounts&quot; in the README). Then %3 signs in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Once the data source can be read again, %1 signs in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is kept under an earlier password, which was reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the shop authority revoked its certificate on %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 holds no signing key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the signing key of %1 was removed when the password was reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No certificate can be issued: the signing key of %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No certificate can be issued: the signing certificate of %1 is revoked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Certificates issued are not digitally signed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The signing key of %1 signs nothing more: %2.
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The signing key of %1 cannot be opened: %2.
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::AccessPanel</name>
    <message>
        <location filename="../src/signin/AccessPanel.cpp" line="+23"/>
        <source>Access Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No signatory is an administrator yet: the master password opens the program so that one can be set up (Set-up, DMIRs). It stops opening once an administrator exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Select name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::ActivityReport</name>
    <message>
        <location filename="../src/find/ActivityReport.cpp" line="+36"/>
        <source>DD/MMM/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Report Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::BatchDialog</name>
    <message>
        <location filename="../src/app/BatchDialog.cpp" line="+25"/>
        <source>Issue for serial numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>One certificate per serial number, each a copy of the one on screen with the next tracking number. The serial numbers count up from the first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::BatchIssue</name>
    <message>
        <location filename="../src/app/BatchIssue.cpp" line="+52"/>
        <source>The serial number &quot;%1&quot; is %2 characters long; a serial number holds at most %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::BenchActions</name>
    <message>
        <location filename="../src/app/BenchActions.cpp" line="+58"/>
        <source>Signed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Number %1 voided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+39"/>
        <source>Send by e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Only an issued certificate can be sent. Print it or write its PDF first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The issued page %1 could not be read or copied for the mail program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The mail program could not be started: %1 was not found. Install xdg-utils.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Certificate %1 handed to the mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>none open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ARC 8130 version %1
Data source: %2
Licence: no licence has been chosen for this program yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About ARC 8130</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::CertificateOnScreen</name>
    <message numerus="yes">
        <location filename="../src/app/CertificateOnScreen.cpp" line="+87"/>
        <source>%n number(s) taken by a program that ended recorded as void</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>arc::CountriesPanel</name>
    <message>
        <location filename="../src/reference/CountriesPanel.cpp" line="+31"/>
        <source>Bilateral Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>JAA Member Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::CutOffRuns</name>
    <message>
        <location filename="../src/app/CutOffRuns.cpp" line="+12"/>
        <source>Issue for serial numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Whether a run of serial numbers was left half issued could not be read: %1
This is checked again the next time this data source is opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The issue of a run of serial numbers was cut off: %1.

Yes: once %3 has signed in, the %2 not issued are issued, signed by %3, and the pages of the whole run written or printed. No: they stay stored and unissued, and the run is not named again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The run could not be marked as left: %1
It is named again the next time this data source is opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The %1.
Write PDF or Print issues the %2 not issued, signed by you, and gives the pages of the whole run. Close leaves the run as it is until the next opening.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The rest of the %1 is issued once %2 signs in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::DefaultsPanel</name>
    <message>
        <location filename="../src/reference/DefaultsPanel.cpp" line="+57"/>
        <source>Print block 12 (remarks) in large type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Defaults Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Last tracking number used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>13d Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>14d Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>13c Authorization No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>14c Certificate No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the defaults and close (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::FindPanel</name>
    <message>
        <location filename="../src/find/FindPanel.cpp" line="+48"/>
        <source>Find Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter the value you wish to match in the appropriate section(s). Begin by clicking Find First or Find Last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Find First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show All Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close the find panel (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/records/CertificateFields.cpp" line="+90"/>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>System Tracking No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invoice/Contract No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>13d Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>13c Authorization No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>13e Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>14d Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>14c Certificate No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>14e Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Serial/Batch Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::FindResults</name>
    <message>
        <location filename="../src/find/FindResults.cpp" line="+26"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::FormsTicks</name>
    <message>
        <location filename="../src/reference/FormsTicks.cpp" line="+13"/>
        <source>The forms the organisation&apos;s approvals let it issue; none ticked: every form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::ForwardersPanel</name>
    <message>
        <location filename="../src/reference/ForwardersPanel.cpp" line="+38"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::MainWindow</name>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="+88"/>
        <source>ARC 8130 - Authorized Release Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+210"/>
        <source>the sign-in panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the find panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the set-up panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the defaults panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the print panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cannot be used now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cannot be used while %2 is open: close it first (Escape).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+272"/>
        <source>Printers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::OrganizationsEditor</name>
    <message>
        <location filename="../src/reference/OrganizationsEditor.cpp" line="+49"/>
        <source>UK CAA Cert. #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Organizations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+154"/>
        <source>only an administrator changes the organisations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PartsPanel</name>
    <message>
        <location filename="../src/reference/PartsPanel.cpp" line="+56"/>
        <source>Press NEW to enter new part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Stamp %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PrintPanel</name>
    <message>
        <location filename="../src/printing/PrintPanel.cpp" line="+35"/>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::RecentCertificates</name>
    <message>
        <location filename="../src/find/RecentCertificates.cpp" line="+113"/>
        <location line="+12"/>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::RegisterExportDialog</name>
    <message>
        <location filename="../src/app/RegisterExportDialog.cpp" line="+34"/>
        <source>DD/MMM/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificates dated within the period, both days included (13e, else 14e date). With both boxes empty, every certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The period from %1 to %2 holds no day: the first day is later than the last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The register was not written to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 exists already. Replace it with the register?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::RevokeCertificateDialog</name>
    <message>
        <location filename="../src/reference/RevokeCertificateDialog.cpp" line="+19"/>
        <source>Revoke the signing certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The certificate of %1 is withdrawn for good: the key signs nothing more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shop authority&apos;s passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The certificate was not revoked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SetupPanel</name>
    <message>
        <location filename="../src/app/SetupPanel.cpp" line="+45"/>
        <source>Data folder not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data folder open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Double click the folder to select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A PostgreSQL database shared by several workstations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Path to Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>or server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Databases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shade Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Digital signature on every PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A signatory without a signing certificate cannot issue a certificate; every workstation of this data source follows this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alt. Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Store the set-up and close (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SignIn</name>
    <message>
        <location filename="../src/signin/SignIn.cpp" line="+70"/>
        <source>The master password no longer opens the program: an administrator exists. Choose your name and type your own password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose your name under &quot;Select name&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Type your password, then press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The password typed is not the one of %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SignatoriesPanel</name>
    <message>
        <location filename="../src/reference/SignatoriesPanel.cpp" line="+63"/>
        <source>Press New to enter new DMIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Use Electronic Signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Admin Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>DMIR Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Certification Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Old Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Signing certificate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+217"/>
        <source> Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password too short</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SignatureFiles</name>
    <message>
        <location filename="../src/reference/SignatureFiles.cpp" line="+32"/>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Electronic Signature File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SigningCertificateDialog</name>
    <message>
        <location filename="../src/reference/SigningCertificateDialog.cpp" line="+53"/>
        <source>Signing certificate of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make a key and certificate with the shop authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bring in a PKCS#12 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::StatementsPanel</name>
    <message>
        <location filename="../src/reference/StatementsPanel.cpp" line="+39"/>
        <source>Statement text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Source of the wording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only an administrator changes the statements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text written into block 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Statement %1 was not saved: its %2 is %3 characters long, and a statement holds at most %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Save the changed statements?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Statements</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::StatusLine</name>
    <message>
        <location filename="../src/app/StatusLine.cpp" line="+53"/>
        <source>No data folder open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Signed in with the master password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signed in: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::VoidNumberDialog</name>
    <message>
        <location filename="../src/app/VoidNumberDialog.cpp" line="+16"/>
        <source>Void number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Tracking number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Void</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
