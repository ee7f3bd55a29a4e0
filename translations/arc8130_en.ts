<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AdminCommand</name>
    <message>
        <location filename="../src/admin/main.cpp" line="+31"/>
        <source>usage: arc8130-admin [--as ADMIN] COMMAND ...
         ADMIN&apos;s password is read first, before the command&apos;s own inputs
       arc8130-admin reset-password DATASOURCE NAME
         reads the new password from standard input, then, when NAME holds a certificate
         from the shop authority, its passphrase to revoke it (an empty line: later)
       arc8130-admin add-signature DATASOURCE FILE.bmp
       arc8130-admin signing-key DATASOURCE NAME
         reads the shop authority&apos;s passphrase, then NAME&apos;s sign-in password
       arc8130-admin import-key DATASOURCE NAME FILE.p12
         reads the file&apos;s password, then NAME&apos;s sign-in password
       arc8130-admin token-key DATASOURCE NAME --module FILE --token LABEL --key ID
         reads, when the token holds no certificate for the key (ID in hex), the shop
         authority&apos;s passphrase, then the token&apos;s PIN
         (an empty line: leaves a request signed on the token, for approve)
       arc8130-admin approve DATASOURCE NAME
         reads the shop authority&apos;s passphrase and issues the certificate NAME requested
       arc8130-admin revoke DATASOURCE NAME [REASON]
         reads the shop authority&apos;s passphrase; REASON as RFC 5280 names it
         (keyCompromise, superseded, cessationOfOperation, ...; unspecified when none)
       arc8130-admin export-ca DATASOURCE FOLDER
         writes authority.pem, authority.crl and HOW-TO-VERIFY.txt for customers
  DATASOURCE: a data folder or a postgresql:// URI
  Once a signatory is an administrator, reset-password needs --as ADMIN, and
  signing-key and import-key need it for any key but the signatory&apos;s own.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The data source cannot be opened: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+46"/>
        <source>Password of %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-46"/>
        <source>administrator&apos;s password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+26"/>
        <location line="+12"/>
        <source>password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Shop authority&apos;s passphrase, to revoke the old certificate (empty: later): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+17"/>
        <location line="+35"/>
        <location line="+6"/>
        <location line="+15"/>
        <source>passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-65"/>
        <source>%1 is not a .bmp file, which is what the signatories panel lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+35"/>
        <location line="+6"/>
        <location line="+15"/>
        <source>Shop authority&apos;s passphrase: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-55"/>
        <location line="+12"/>
        <source>Sign-in password of %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>file password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not a key id: it is written in hex, such as 01.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>PIN of the token: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not a reason RFC 5280 names (such as keyCompromise, superseded, cessationOfOperation).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>AuthorityCertificate</name>
    <message>
        <location filename="../src/issuing/AuthorityCertificate.cpp" line="+49"/>
        <source>%1 is not a key file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuthorityVerification</name>
    <message>
        <location filename="../src/issuing/AuthorityVerification.cpp" line="+17"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Time stamp: no time stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time stamp: not intact. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an unnamed authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time stamp: %1 by %2, intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time stamp: %1 by %2, not intact: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Revoked: not checked (no revocation list given)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Revoked: no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yes, on %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Revoked: %1, after the time-stamped signing, which stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revoked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the authority file does not hold exactly one certificate (PEM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Digital signature: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be told</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signed by: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificate issued by: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signature: intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signature: not intact. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changed after signing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the revocation list is damaged or not signed by the authority given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trusted: yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trusted: no, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchCopies</name>
    <message>
        <location filename="../src/issuing/BatchCopies.cpp" line="+28"/>
        <source>Storing certificates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stopped before all were stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>a value of the copy with serial number %1 is longer than its field holds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchIssue</name>
    <message>
        <location filename="../src/app/BatchIssue.cpp" line="+46"/>
        <source>
Their pages are not digitally signed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/IssueCommand.cpp" line="+53"/>
        <source>Issue for serial numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Whether an earlier issue was left unfinished could not be read from the issue log: %1
This is checked again the next time this data folder is opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+378"/>
        <source>Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-207"/>
        <source>A certificate of the run could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the page could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Making pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Writing PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stopped: no page was issued, nothing was written or printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Issuing pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+4"/>
        <source>the default printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+8"/>
        <source>%1 sent to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>1 copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PDF written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 certificates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 PDF written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 PDFs written to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The certificate as stored now could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateBuilder</name>
    <message>
        <location filename="../src/signing/CertificateBuilder.cpp" line="+55"/>
        <source>A certificate needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+11"/>
        <source>The certificate could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No key pair could be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The authority&apos;s certificate could not be signed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The signatory&apos;s certificate could not be signed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateCheck</name>
    <message>
        <location filename="../src/checking/CertificateCheck.cpp" line="+47"/>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>items %1 are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>item %1 is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Block 6: lines %1 have no item number; with more than one line, each is numbered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Block 6: line %1 has no item number; with more than one line, each is numbered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Block 10: item %1 has no serial number; enter &quot;N/A&quot; when it carries none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Block 11: &quot;%1&quot; (item %2) is not a status the %3 allows: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Block 12: items %1 re-certified from &quot;PROTOTYPE&quot; to &quot;NEW&quot; need the statement of the approved design data (TC/STC number and revision), with &quot;%2&quot; ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block 12: item %1 re-certified from &quot;PROTOTYPE&quot; to &quot;NEW&quot; needs the statement of the approved design data (TC/STC number and revision), with &quot;%2&quot; ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Block 11: %1 new (NEW or PROTOTYPE) but %2 maintenance; new and maintenance releases may not share one form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Block 1: the approving authority and country are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block 1: &quot;%1&quot; is not the authority the %2 is issued under.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block 3: the form tracking number is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Block 4: the organisation&apos;s name and address are missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Block 6: the certificate has no item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>part number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Block %1: item %2 has no %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Block %1d: the name of the person signing is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block %1b: %2 holds no signing certificate, and the set-up asks for a digital signature on every PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Block 13c: the approval/authorization number is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Block 14c: the certificate number is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block %1e: the date is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block %1e: &quot;%2&quot; is not a date written DD/MMM/YYYY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Block %1e: %2 is in the future.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Block 12: &quot;%1&quot; may not be added to the form (FAA policy memorandum AIR100-16-110-PM04); remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Block 12: &quot;Other regulation specified in Block 12&quot; is ticked but block 12 holds no statement of another authority.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Block 12: a dual release (both 14a boxes ticked) is not accepted for items %1 with status &quot;REBUILT&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Block 12: a dual release (both 14a boxes ticked) is not accepted for item %1 with status &quot;REBUILT&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Block %1: the organisation has no %2 approval number; add it under Set-up → Organizations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Block 12: the re-certification statement still holds &quot;%1&quot;; write in what it asks for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Block 13a: tick exactly one of &quot;%1&quot; and &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block 14a: tick &quot;%1&quot;, &quot;%2&quot; or both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Block 12: &quot;Non-approved design data specified in Block 12&quot; is ticked but block 12 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Block 12: &quot;Other regulation specified in Block 12&quot; is ticked but block 12 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Block 3: tracking number %1 is also used by another stored certificate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateInfo</name>
    <message>
        <location filename="../src/signing/CertificateInfo.cpp" line="+82"/>
        <source>%1, issued by %2, valid from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificatePage</name>
    <message>
        <location filename="../src/printing/CertificatePage.cpp" line="+32"/>
        <source>Block %1 too long</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateRequest</name>
    <message>
        <location filename="../src/signing/CertificateRequest.cpp" line="+33"/>
        <source>The certificate request is damaged: it is no PKCS#10 request whose signature checks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The certificate request could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key did not sign its certificate request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The certificate request could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateStore</name>
    <message>
        <location filename="../src/records/CertificateStore.cpp" line="+150"/>
        <source>the certificate was changed elsewhere since it was shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+155"/>
        <source>no certificate to delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandOutcome</name>
    <message>
        <location filename="../src/admin/CommandOutcome.h" line="+22"/>
        <source> Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Correction</name>
    <message>
        <location filename="../src/issuing/Correction.cpp" line="+34"/>
        <source>no Defaults row holds the tracking counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the tracking number counter &quot;%1&quot; holds no number to count up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no tracking number after &quot;%1&quot; is free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataCommand</name>
    <message>
        <location filename="../src/issuing/DataCommand.cpp" line="+43"/>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>it is larger than a certificate&apos;s PDF can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>usage: arc8130-verify FILE.pdf --data [--json]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataView</name>
    <message>
        <location filename="../src/records/DataView.cpp" line="+215"/>
        <location line="+11"/>
        <location line="+146"/>
        <location line="+122"/>
        <source>no current record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../src/records/Database.cpp" line="+41"/>
        <source>the statement was not run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 is an empty file (0 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+137"/>
        <source>%1 is not an ARC 8130 database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-114"/>
        <source>the PostgreSQL driver of Qt (libqt6sql6-psql) is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+121"/>
        <source>%1 was written by a newer version of the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 lacks %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+92"/>
        <source>table %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>field %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>database not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>the server %1 cannot be reached: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-24"/>
        <source>the connection was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+155"/>
        <source>an inner step of the transaction failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemoCommand</name>
    <message>
        <location filename="../src/demo/demo_main.cpp" line="+32"/>
        <source>file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no such folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not one of our database files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot write there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>database error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--certificates takes a count of certificates, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>usage: arc8130-demo [--certificates N] &lt;programFolder&gt; &lt;demoDataFolder&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot open the set-up file in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot fill %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot store the data folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmbeddedCertificate</name>
    <message>
        <location filename="../src/issuing/EmbeddedCertificate.cpp" line="+47"/>
        <source>What the certificate corrects could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The certificate&apos;s data could not be written: a box holds a control character.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmbeddedDataCheck</name>
    <message>
        <location filename="../src/issuing/EmbeddedDataCheck.cpp" line="+68"/>
        <source>an element outside the certificate&apos;s namespace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no formIndex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+6"/>
        <source>an item line is not six blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>no certificate element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The PDF carries no signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed after signing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The embedded data cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF carries no certificate data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF carries other embedded files than certificate.xml alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The certificate data is not covered by the signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The certificate data cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The certificate data does not match its content hash: its values are not those signed for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The certificate data names another signing certificate than the one that signed the PDF.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryLimit</name>
    <message>
        <location filename="../src/editing/EntryLimit.h" line="+14"/>
        <source>At most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 takes at most %2 characters; the key was not taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A certificate holds at most %1 item lines. No line was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No more item lines</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <location filename="../src/issuing/export_main.cpp" line="+26"/>
        <source>usage: arc8130-export [--force] [--replica URI] DATASOURCE FILE.csv [--from DD/MMM/YYYY] [--to DD/MMM/YYYY]
       arc8130-export DATASOURCE --voids
  DATASOURCE is a data folder or a server&apos;s postgresql:// URI
  --force replaces FILE.csv when it exists
  --replica reads the register from this hot standby of the server while it keeps up
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the standby&apos;s address is not a server&apos;s URI: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the standby cannot be reached: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the standby does not hold this data source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the standby&apos;s address names the primary server itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the standby&apos;s address names a server that is no standby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the standby is %1 seconds behind</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%n void numbers</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&quot;%1&quot; is not a date (DD/MMM/YYYY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
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
        <location line="+6"/>
        <source>reading from the primary server: %1</source>
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
    <name>FileSwap</name>
    <message>
        <location filename="../src/records/FileSwap.cpp" line="+31"/>
        <source>%1 could not be moved into place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FoldedCopies</name>
    <message>
        <location filename="../src/records/FoldedCopies.cpp" line="+247"/>
        <source>Preparing the search copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Preparing the certificates for searching</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderArchive</name>
    <message>
        <location filename="../src/issuing/FolderArchive.cpp" line="+55"/>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is already kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+11"/>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderKeys</name>
    <message>
        <location filename="../src/signin/FolderKeys.cpp" line="+49"/>
        <source>uid %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the account %1 may not read %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>%1 is not a key file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+24"/>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>cannot make %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderSignatures</name>
    <message>
        <location filename="../src/signin/FolderSignatures.cpp" line="+80"/>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/signin/FolderSignatures.h" line="+23"/>
        <source>the data folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <location filename="../src/legacy/import_main.cpp" line="+21"/>
        <source>usage: arc8130-import FOLDER [postgresql://USER@HOST:PORT/DATABASE]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssuePrompts</name>
    <message>
        <location filename="../src/app/IssuePrompts.h" line="+37"/>
        <source>Issued %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changed after issue %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
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
        <location line="+27"/>
        <source>Issue certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Certificate %1 issued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificate %1 issued, not digitally signed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The certificate as stored is not the one on screen, so it was not issued and nothing was printed or written. Show it again, look at it, then print it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssueRecorder</name>
    <message>
        <location filename="../src/issuing/IssueRecorder.cpp" line="+46"/>
        <source>the certificate is not stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the stored certificate is not the one printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Whether pages are to be time-stamped cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>To issue without time stamps, clear the time-stamp service on the set-up panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssueRuns</name>
    <message>
        <location filename="../src/issuing/IssueRuns.cpp" line="+48"/>
        <source>run of %1 from %2: %3 issued, %4 not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>a run holds no certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>another workstation has taken up the run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssueVerifier</name>
    <message>
        <location filename="../src/issuing/IssueVerifier.cpp" line="+66"/>
        <location line="+53"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>the data folder %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the issue log of %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the corrections of %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Digital signature: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cannot be told: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no (this data source keeps no shop authority)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be told</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Signed by: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificate issued by: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signature: intact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signature: not intact. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changed after signing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Issued by this shop&apos;s authority: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1 records no data folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeptAuthority</name>
    <message>
        <location filename="../src/signin/KeptAuthority.cpp" line="+15"/>
        <source>No shop authority has been made yet (arc8130-admin signing-key makes it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The shop authority cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The shop authority needs a passphrase.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCommands</name>
    <message>
        <location filename="../src/admin/KeyCommands.cpp" line="+83"/>
        <source>Left a request of a signing certificate for %1: an administrator approves it (arc8130-admin approve).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Made the shop authority: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Signing certificate of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Approved: signing certificate of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Revoked the signing certificate of %1 on %2 (%3): it signs nothing more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The shop authority cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The shop authority&apos;s revocation list cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The shop authority&apos;s certificate is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be written: %2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Written before it: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrote %1 to %2 for customers: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
The shop authority keeps no revocation list yet: the first revoke command makes it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyFiles</name>
    <message>
        <location filename="../src/signing/KeyFiles.cpp" line="+39"/>
        <source>A signing key needs a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The key could not be encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The stored key is damaged or not encrypted.</source>
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
        <location line="+19"/>
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
    <name>KeyStore</name>
    <message>
        <location filename="../src/signin/KeyStore.cpp" line="+24"/>
        <location line="+226"/>
        <source>the stored key %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-35"/>
        <source>the stored token key %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamedKeys</name>
    <message>
        <location filename="../src/signin/NamedKeys.cpp" line="+57"/>
        <source>the signing key of %1 could not be moved in %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>More than one signatory is named %1: the signing key kept under that name is set aside for neither of them. Each needs a new signing certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The signing keys were not all moved to their signatories: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewCertificateDefaults</name>
    <message>
        <location filename="../src/records/NewCertificateDefaults.cpp" line="+33"/>
        <source>the next %1 number %2 is longer than the %3 characters its field holds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NulCharacters</name>
    <message>
        <location filename="../src/legacy/NulCharacters.h" line="+33"/>
        <source>%1: %2 NUL characters removed from its texts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberOnScreen</name>
    <message>
        <location filename="../src/app/NumberOnScreen.cpp" line="+31"/>
        <source>Whether the certificate number is void could not be read, so the certificate was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The certificate was saved, but the number it took could not be accounted for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The number of the certificate left unsaved could not be recorded as void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The numbers taken by a program that ended could not be recorded as void</source>
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
    <name>OutsideVerify</name>
    <message>
        <location filename="../src/issuing/OutsideVerify.cpp" line="+60"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the authority %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the revocation list %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the revocation list %1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not issued from this data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Superseded by correction %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Issued from this data folder, unaltered.
Tracking number: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageVerification</name>
    <message>
        <location filename="../src/app/PageVerification.cpp" line="+30"/>
        <source>The verification address set up, %1, is not a web address (https://...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The verification address is too long for a QR code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The page&apos;s QR code could not be made, so the certificate was not issued.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Issue certificate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageWriter</name>
    <message>
        <location filename="../src/printing/PageWriter.cpp" line="+19"/>
        <source>Page text too long</source>
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
    <name>PdfAttachment</name>
    <message>
        <location filename="../src/signing/PdfAttachment.cpp" line="+19"/>
        <source>The data cannot be embedded in the PDF: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the data is larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its catalogue is not where its table says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it already names embedded files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its cross-reference is a stream</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfEmbeddedFiles</name>
    <message>
        <location filename="../src/signing/PdfEmbeddedFiles.cpp" line="+233"/>
        <source>its structure cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its cross-reference is a stream, which this program does not search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>its list of embedded files is a tree this program does not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its list of embedded files cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it names too many embedded files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>an embedded file&apos;s entry cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an embedded file cannot be read or is larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfSignature</name>
    <message>
        <location filename="../src/signing/PdfSignature.cpp" line="+54"/>
        <source>The PDF cannot be signed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+6"/>
        <source>its page&apos;s annotations are not an array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The page could not be signed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The time stamp could not be added to the signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The signature could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its catalogue or page is not where its table says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it already has a form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it already declares what may be changed in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its cross-reference is a stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The signature is larger than the room kept for it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfStructure</name>
    <message>
        <location filename="../src/signing/PdfStructure.cpp" line="+273"/>
        <source>The PDF cannot be signed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is not a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it has no startxref</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its startxref is not an offset in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its cross-reference is not a table or stream this program reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its trailer has no /Size or /Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its page cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlainTextEditor</name>
    <message>
        <location filename="../src/find/PlainTextEditor.cpp" line="+21"/>
        <source>Text editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 holds too many untitled text files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The text editor %1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No plain-text editor was found. Install one, for example %1, and press the button again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No new text file could be made for the editor: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The text file %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintCertificate</name>
    <message>
        <location filename="../src/printing/PrintCertificate.cpp" line="+28"/>
        <source>Remarks section too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items section too long</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintPrompts</name>
    <message>
        <location filename="../src/printing/PrintPrompts.h" line="+22"/>
        <source>; what does not fit is not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block %1: the text is longer than its box holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Block 12: the remarks are longer than the page holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Block 7: the items are longer than the page holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
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
    <name>QCoreApplication::MessageTexts</name>
    <message>
        <location line="+1"/>
        <source>Certificate check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentCertificates</name>
    <message>
        <location filename="../src/find/RecentCertificates.cpp" line="+114"/>
        <source>(no number)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterExport</name>
    <message>
        <location filename="../src/issuing/RegisterExport.cpp" line="+145"/>
        <source>Exporting register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+47"/>
        <location line="+58"/>
        <location line="+40"/>
        <location line="+5"/>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>1 certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 certificates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2 written to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
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
    <name>RegularFile</name>
    <message>
        <location filename="../src/issuing/RegularFile.cpp" line="+30"/>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>it is larger than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RequestRows</name>
    <message>
        <location filename="../src/records/RequestRows.cpp" line="+47"/>
        <source>no request</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RevocationList</name>
    <message>
        <location filename="../src/signing/RevocationList.cpp" line="+48"/>
        <source>The shop authority&apos;s revocation list is damaged or not signed by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The revocation list could not be signed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The revocation list could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The certificate was not issued by the shop authority.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The certificate could not be added to the revocation list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Revocations</name>
    <message>
        <location filename="../src/signin/Revocations.cpp" line="+42"/>
        <source>%1 holds no signing certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key of %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The certificate of %1 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+48"/>
        <source>The shop authority&apos;s revocation list cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The revocation list could not be kept in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The shop authority cannot be read: %1.</source>
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
    <name>SecretInput</name>
    <message>
        <location filename="../src/admin/SecretInput.cpp" line="+46"/>
        <source>No %1 was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Once more: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The two %1s differ.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerUri</name>
    <message>
        <location filename="../src/records/ServerUri.cpp" line="+24"/>
        <source>the port is not a number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>a server address begins with postgresql://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>an IPv6 address lacks its closing &quot;]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>unexpected text after the host&apos;s closing &quot;]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>a parameter has no value (each is written name=value)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShopAuthority</name>
    <message>
        <location filename="../src/signing/ShopAuthority.cpp" line="+35"/>
        <source>The shop authority needs a passphrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The shop authority&apos;s passphrase is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The shop authority&apos;s certificate is damaged or not its own.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignIn</name>
    <message>
        <location filename="../src/signin/SignIn.cpp" line="+52"/>
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
        <location filename="../src/reference/SignatoryCertificates.cpp" line="+45"/>
        <source>The old certificate of %1 is still to be revoked (superseded): an administrator revokes it with the shop authority&apos;s passphrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The old certificate of %1 is revoked (superseded).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The old certificate of %1 could not be revoked: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>A new certificate was requested on %1: it awaits an administrator&apos;s approval.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No signing certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The signing certificate cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The signing certificate cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key on the token %1 (serial %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Revoked on %1 (%2): it signs nothing more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The request of a signing certificate of %1 was withdrawn: its key was kept under the old password. %1 makes a new request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The password was changed, but the signing key could not be kept under it: %1
After the next sign-in no certificate can be issued until %2 has a new signing certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The signing key of %1 could not be removed from %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatoryCommands</name>
    <message>
        <location filename="../src/admin/SignatoryCommands.cpp" line="+30"/>
        <location line="+4"/>
        <source> The password was not reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The signing keys cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The password was not reset: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The password of %1 has been reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>
The old certificate of %1 is still to be revoked (arc8130-admin revoke %2 superseded).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>
The old certificate of %1 could not be revoked: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
The old certificate of %1 is revoked (superseded).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>
The old signing key of %1 could not be removed from %2: %3. It cannot be opened with the new password; remove it by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is already in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 can now be chosen as a signatory&apos;s signature file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatoryKeys</name>
    <message>
        <location filename="../src/signin/SignatoryKeys.cpp" line="+30"/>
        <source>A signing key needs a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That is not the sign-in password of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No signatory is named %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 signatories are named %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The shop authority needs a passphrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The shop authority cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The two passphrases differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 could not be kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The shop authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The signing key of %1 was removed with the old password: %1 needs a new signing certificate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatoryNames</name>
    <message>
        <location filename="../src/reference/SignatoryNames.cpp" line="+19"/>
        <source>Another signatory is already named %1 (approval number %2). Give this one a name that tells them apart; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name taken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatoryPasswords</name>
    <message>
        <location filename="../src/records/SignatoryPasswords.cpp" line="+43"/>
        <source>the password could not be hashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>an empty password is not a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no signatory is named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 signatories are named %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatoryTokens</name>
    <message>
        <location filename="../src/signin/SignatoryTokens.cpp" line="+43"/>
        <source>No token %1 is inserted (module %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The token %1 holds no keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The token %1 holds no key %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The token %1 holds no certificate for the key %2, and no shop authority has been made yet to issue one (arc8130-admin signing-key makes it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The shop authority cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No PIN was typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The token %1 holds no certificate for the key %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The key could not be kept in %1.</source>
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
    <message>
        <location filename="../src/signing/SignatureReport.cpp" line="+35"/>
        <source>The PDF carries no signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The signature cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The signed bytes were changed after signing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatureTrust</name>
    <message>
        <location filename="../src/signing/SignatureTrust.cpp" line="+54"/>
        <source>the signature cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the signature does not carry its signer&apos;s certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the chain could not be checked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SigningKey</name>
    <message>
        <location filename="../src/signing/SigningKey.cpp" line="+64"/>
        <source>The key on the token has no certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+14"/>
        <source>A signing key needs a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file is not a PKCS#12 (.p12, .pfx) file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file&apos;s password is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file holds no private key with its certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file&apos;s certificate has expired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file&apos;s certificate is not valid yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The signatory&apos;s password is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The signing certificate is damaged or not the key&apos;s own.</source>
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
        <source>Certificates are signed on the token %1: its PIN is asked at each issue.</source>
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
    <name>SigningRequests</name>
    <message>
        <location filename="../src/signin/SigningRequests.cpp" line="+46"/>
        <source>A signing key needs a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That is not the sign-in password of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The key could not be kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The request could not be kept: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No request of a signing certificate awaits approval.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The request cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The signatory cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has been deleted since the request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The request was made for %1 (approval number %2), who is now %3 (approval number %4): he makes a new request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The key of the request is gone from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key of the request cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The certificate could not be kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The request could not be removed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The key of the request could not be removed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusWiring</name>
    <message>
        <location filename="../src/app/StatusWiring.cpp" line="+43"/>
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
</context>
<context>
    <name>StoredFiles</name>
    <message>
        <location filename="../src/records/StoredFiles.cpp" line="+37"/>
        <source>%1 is larger than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableArchive</name>
    <message>
        <location filename="../src/issuing/TableArchive.cpp" line="+29"/>
        <source>%1 in the database %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+17"/>
        <source>%1 is already kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+20"/>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-12"/>
        <source>%1 was not staged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableKeys</name>
    <message>
        <location filename="../src/signin/TableKeys.h" line="+17"/>
        <source>the database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableSignatures</name>
    <message>
        <location filename="../src/signin/TableSignatures.h" line="+22"/>
        <source>%1 (stored in the server database)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TakenNumbers</name>
    <message>
        <location filename="../src/records/TakenNumbers.cpp" line="+95"/>
        <source>no number was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no reason was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a stored certificate holds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is void already</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeStampTrial</name>
    <message>
        <location filename="../src/stamping/TimeStampTrial.cpp" line="+18"/>
        <source>The time-stamp service %1 answered with a time stamp of %2 UTC, signed by %3. Signatures will carry its time stamps.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeStamps</name>
    <message>
        <location filename="../src/signing/TimeStamps.cpp" line="+138"/>
        <source>The time-stamp service %1 gave no time stamp: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the request could not be made (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/stamping/HttpTimeStampService.cpp" line="+70"/>
        <source>its answer is far too large for a time stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its answer is not a time stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it refused the request (status %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its answer holds no time stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its time stamp is for other data than the signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its time stamp answers another request (the nonce differs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its time stamp carries no certificate to check it with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its time stamp does not verify (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its time stamp cannot be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the time stamp cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the time stamp carries no certificate to check it with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the time stamp does not match the signature or its own signature does not verify (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/stamping/HttpTimeStampService.cpp" line="-34"/>
        <source>its address is not an http or https address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the program cannot reach a network without its event loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>no answer within %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it answered with HTTP status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>it closed the connection without an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>it cannot be reached (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it answered with a web page, not a time stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it answered with text, not a time stamp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TokenModule</name>
    <message>
        <location filename="../src/signing/TokenModule.cpp" line="+77"/>
        <source>There is no module file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The module %1 finds no token: is it inserted?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a PKCS#11 module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+32"/>
        <location line="+16"/>
        <source>The token %1 is not inserted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-21"/>
        <source>A PIN has at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No PIN was typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+9"/>
        <source>The token %1 is locked: too many wrong PINs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PIN of the token %1 is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The token %1 refused the PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The token %1 holds no private key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The key %1 on the token %2 cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The token %1 holds no key %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TokenSigning</name>
    <message>
        <location filename="../src/signing/TokenSigning.cpp" line="+29"/>
        <source>the PIN of the token %1 was not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The certificate of the key on the token is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The certificate kept is not the one of the key on the token %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerificationPage</name>
    <message>
        <location filename="../src/web/SizeLimitedServer.cpp" line="+71"/>
        <source>Request too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A request may be at most 8 KiB long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/web/VerificationPage.cpp" line="+55"/>
        <source>The certificate&apos;s items are no longer in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Part number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Signed with a withdrawn certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Superseded by correction %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issued %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Release certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tracking number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Organisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Approval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signatory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The same as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The signed PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Certificate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No certificate matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No certificate issued by this shop has this tracking number and code. Check the address against the one printed on the certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The register is unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The register of certificates cannot be read at the moment. Try again in a few minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/web/WebAnswer.cpp" line="+73"/>
        <source>No PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The signed PDF of this certificate is not offered here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Too many requests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>More than 30 requests a minute came from your address. Wait a minute and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Method not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>This page can only be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>There is no page at this address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <location filename="../src/issuing/verify_main.cpp" line="+31"/>
        <source>usage: arc8130-verify FILE.pdf [DATAFOLDER]
       arc8130-verify FILE.pdf --ca AUTHORITY.pem [--crl AUTHORITY.crl] [DATAFOLDER]
  DATAFOLDER defaults to the data folder recorded in setupARC.mdb beside the program
  (with --ca, no data folder is read unless one is named)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1; name the data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Changed after signing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not issued from this data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Superseded by correction %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Issued from this data folder, unaltered.
Tracking number: %1
Issued: %2 (%3)
Signatory: %4
Copies: %5
Archived as: %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Findings printed anyway: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Findings printed anyway:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebMain</name>
    <message>
        <location filename="../src/web/WebMain.cpp" line="+41"/>
        <source>arc8130-web: the data source %1 cannot be read now: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>arc8130-web: cannot listen on %1:%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>arc8130-web: serving %1 on http://%2:%3/</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebOptions</name>
    <message>
        <location filename="../src/web/WebOptions.cpp" line="+34"/>
        <source>usage: arc8130-web DATASOURCE [--listen ADDRESS:PORT]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--listen needs an address and a port, such as 127.0.0.1:8130</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only one data source can be served</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no data source given</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::AccessConversion</name>
    <message>
        <location filename="../src/app/AccessConversion.cpp" line="+28"/>
        <source>Converting the data folder</source>
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
        <location line="+4"/>
        <location line="+21"/>
        <source>First serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-17"/>
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
    <message>
        <location line="+10"/>
        <source>Certificates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::BatchIssue</name>
    <message>
        <location filename="../src/app/BatchIssue.cpp" line="-11"/>
        <source>Issue for serial numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The folder for the certificates&apos; PDF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Issue for serial numbers takes a certificate with one item line, a serialised part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The serial number &quot;%1&quot; is %2 characters long; a serial number holds at most %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The serial number &quot;%1&quot; holds no digits to count up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Stopped: no certificate was stored and no number used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No certificate was stored and no number used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 certificates stored, %2 to %3, serial numbers %4 to %5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::BenchActions</name>
    <message>
        <location filename="../src/app/BenchActions.cpp" line="+62"/>
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
        <location line="-32"/>
        <source>The issue log could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
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
    <message>
        <location filename="../src/app/CertificateOnScreen.cpp" line="+92"/>
        <source>1 number taken by a program that ended recorded as void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 numbers taken by a program that ended recorded as void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Number %1 recorded as void (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no certificate numbers were issued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The next certificate numbers could not be stored, so none were issued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Not all items of the certificate could be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+136"/>
        <source>The certificate could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>New certificate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>nothing was saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The certificate was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+20"/>
        <source>Certificate %1 saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The certificate was not deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Certificate %1 deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The certificate was deleted, but the list of certificates could not be read again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The certificate was deleted, but the last one stored could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::CertificateScreen</name>
    <message>
        <location filename="../src/app/CertificateScreen.cpp" line="+155"/>
        <source>The form the certificate is printed as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Dup&amp;licate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new certificate with the next numbers and these item lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Se&amp;rials...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Issue for serial numbers: one certificate per serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Freight Forwarder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Se&amp;t-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Def&amp;aults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F&amp;ind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::CountriesPanel</name>
    <message>
        <location filename="../src/reference/CountriesPanel.cpp" line="+20"/>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press New to enter new country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Countries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No country is chosen, so nothing was saved. Choose a country, or press New to add one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Country %1 was not saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The country was not deleted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
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
        <location filename="../src/app/CutOffRuns.cpp" line="+11"/>
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
        <location filename="../src/reference/DefaultsPanel.cpp" line="+28"/>
        <source>Auto increment Track #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto increment Inv #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto increment Batch #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Print block 12 (remarks) in large type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Defaults Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Authority/Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last tracking number used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invoice/Contract No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial/Batch Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eligibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status/work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
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
        <location line="+1"/>
        <source>Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
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
        <location filename="../src/find/FindPanel.cpp" line="+39"/>
        <location line="+125"/>
        <source>Find Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-121"/>
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
        <location line="+163"/>
        <source>Certificate %1 opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/records/CertificateFields.cpp" line="+131"/>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>System Tracking No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invoice/Contract No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>13d Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>13c Authorization No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>13e Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>14d Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>14c Certificate No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>14e Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Serial/Batch Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::FindResults</name>
    <message>
        <location filename="../src/find/FindResults.cpp" line="+54"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>At least %1 certificates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 certificates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::FolderMessages</name>
    <message>
        <location filename="../src/app/FolderMessages.cpp" line="+26"/>
        <source>it cannot be reached: the folder does not exist, or the disk or network share that holds it is not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the data files or the folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>another program is holding the data files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>It stays recorded as the data source. Make the server available and start the program again, or choose another data folder or server under &quot;Set-up&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+21"/>
        <source>The data source in use is still %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>It stays recorded as the data folder. Make it available and start the program again, or choose another data folder under &quot;Set-up&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The data folder in use is still %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>nothing was saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Whether the certificate number is in use could not be read, so the certificate was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no date)</source>
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
        <location filename="../src/reference/ForwardersPanel.cpp" line="+26"/>
        <source>Forwarding House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press New to enter new house</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forwarding houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No forwarding house is chosen, so nothing was saved. Choose a house, or press New to add one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forwarding house %1 was not saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The forwarding house was not deleted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::IssuedCertificate</name>
    <message>
        <location filename="../src/app/IssuedCertificate.cpp" line="+93"/>
        <source>the certificate is no longer stored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::LegacyConverter</name>
    <message>
        <location filename="../src/legacy/LegacyConverter.cpp" line="+44"/>
        <source>stopped at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: table %2 is not one this program keeps; it was not brought over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 has no table %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+3"/>
        <source>%1, table %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, table %2: %3 rows could be read of the %4 the file records; it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: field %2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: field %2.%3 is not one this program keeps; it was not brought over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1: field %2.%3 widened from %4 to %5 characters to keep its longest text whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Writing %1 into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2 rows in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Preparing the search copies in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the new %1 did not pass its integrity check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the new %1 holds %2 rows in %3 instead of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the converted %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+154"/>
        <source>%1 already holds a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-152"/>
        <source>%1 could not be moved into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 moved into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is in the way of the converted file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+67"/>
        <location line="+69"/>
        <source>the mdbtools programs (mdb-export, mdb-tables, mdb-count) are not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-43"/>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The conversion of %1 was cut short and cannot be finished: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The conversion of %1 was cut short; it has now been finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+60"/>
        <source>The Access originals are kept, unchanged, in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-41"/>
        <source>%1 holds no data files in the Access format: nothing to convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing in %1 has been changed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::ListPanel</name>
    <message>
        <location filename="../src/reference/ListPanel.cpp" line="+29"/>
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
        <location line="+114"/>
        <source>it has been deleted meanwhile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 %2 saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2 deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::MainWindow</name>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="+102"/>
        <source>ARC 8130 - Authorized Release Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+240"/>
        <source>Signing keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+80"/>
        <source>the program connects again by itself once it can</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+99"/>
        <source>Locked after %n minute(s) without input</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The certificate on screen has changes that were not saved by the one signed in before. Discard them and sign in as %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Printers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::MdbExport</name>
    <message>
        <location filename="../src/legacy/MdbExport.cpp" line="+40"/>
        <source>%1 cannot be started (is mdbtools installed?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>the table %1 could not be read whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>mdb-count gave no row count for the table %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::Message</name>
    <message>
        <location filename="../src/app/AccessConversion.cpp" line="+6"/>
        <location line="+16"/>
        <location filename="../src/app/FolderMessages.cpp" line="-65"/>
        <location line="+10"/>
        <location line="+8"/>
        <source>Data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>The data folder %1 holds data files of the earlier Access-based program.
Convert them now? The originals will be kept, unchanged, in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/FolderMessages.cpp" line="-38"/>
        <source>The server database %1 cannot be used: %2.
Nothing in it has been changed. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+50"/>
        <source>Data source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The data folder %1 cannot be used: %2.
Nothing in it has been changed. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No data folder has been chosen yet, so new, empty data files (%1 and %2) were made in %3.
If your certificates are kept in another folder, choose it under &quot;Set-up&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No data folder is open, so nothing can be stored or numbered. What is on screen is kept.
Choose the data folder under &quot;Set-up&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The server %1 cannot be reached; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1: %2
Nothing stored has been lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/app/IssuedCertificate.cpp" line="+12"/>
        <location filename="../src/app/SettingsPanels.cpp" line="+53"/>
        <location filename="../src/reference/SignatoriesPanel.cpp" line="+386"/>
        <location line="+24"/>
        <location line="+64"/>
        <location filename="../src/reference/SignatureFiles.cpp" line="+114"/>
        <source>Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/IssuedCertificate.cpp" line="-2"/>
        <source>The certificate was not saved: %1
Nothing stored has been lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/IssuePrompts.h" line="-90"/>
        <source>The certificate must be saved before it is issued. Save it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+48"/>
        <location line="+8"/>
        <location line="+26"/>
        <location line="+18"/>
        <source>Issue certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-94"/>
        <source>This certificate was issued on %1. Store the changes as a new certificate with the next tracking number?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/app/Prompts.h" line="+36"/>
        <location line="+6"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Save form on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This certificate was issued on %1 and is kept with the records; it cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/app/Prompts.h" line="-33"/>
        <location line="+5"/>
        <source>Delete form on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1: the stored certificate is no longer the one issued, so it is not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/printing/PrintPrompts.h" line="+6"/>
        <location line="+7"/>
        <location line="+6"/>
        <location filename="../src/ui/MessageBoxes.cpp" line="+31"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The certificate was not issued, because its page could not be kept with the records: %1.
Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The certificate was not issued, because its page could not be signed with your signing key. %1
Nothing was printed or kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The stored certificate was changed, at this or another station, while its page was being made. It was not issued and nothing was printed: look at it again, then print it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Whether this certificate was issued cannot be read: %1.
Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="-276"/>
        <source>The set-up file %1 in %2 cannot be opened: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ARC 8130</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/Prompts.h" line="-20"/>
        <source>Press OK to continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>No records this direction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Press OK to continue. To Enter New form press NEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are you sure you want to exit? Have you saved your form?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit Form 8130-3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Consult the manual and re-enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One of your entries is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to delete this entire form?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The certificate on screen has not been saved, so there is no stored certificate to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This certificate has been deleted from the data folder since it was shown, perhaps at another workstation, so it was not saved.
Store what is on screen as a new certificate?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This certificate has been changed at another workstation since it was shown, so your changes were not saved.
Show the certificate as it is stored now? (No keeps your entries on screen.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Replace the remarks typed in block 12?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Certificate number %1 is already on the certificate dated %2, so this certificate was not saved.
Give it a number of its own in block 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save the changes to certificate %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Path name too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directory change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/RegisterExportDialog.cpp" line="+59"/>
        <source>&quot;%1&quot; is not a date. Type the day as DD/MMM/YYYY, for example 05/Dec/2026, or empty the box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Stopped: the register was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The register was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/SettingsPanels.cpp" line="+83"/>
        <source>Another station issued certificate numbers while the defaults were open: the stored %1 number was kept, not the one typed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/editing/EntryLimit.h" line="-20"/>
        <source>%1 takes at most %2 characters. The value was not put in; the box keeps what it held.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Too long for its box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/find/ActivityReport.cpp" line="+63"/>
        <source>The item lines could not be counted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/find/FindPanel.cpp" line="-204"/>
        <source>No matches found within database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+146"/>
        <location line="+32"/>
        <location line="+15"/>
        <location line="+6"/>
        <source>Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-80"/>
        <source>&quot;%1&quot; in %2 is not a date. Type the day as DD/MMM/YYYY, for example 05/Dec/2026, or empty the box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The search could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The list of certificates found could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>That certificate is no longer stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The certificate could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintCertificate.h" line="+32"/>
        <source>Lines truncated. Press OK to continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/printing/PrintPrompts.h" line="-37"/>
        <source>

Print anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificate check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Print %1 copies of this certificate?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No printer is installed. Save the certificate as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The printer did not accept the certificate. Nothing more is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The PDF file could not be written:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reference/PartsPanel.cpp" line="+240"/>
        <source>Part catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reference/SignatoriesPanel.cpp" line="-430"/>
        <source>No signatory is chosen, so nothing was saved. Choose a signatory in the list, or press New to add one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+404"/>
        <location filename="../src/reference/SignatureFiles.cpp" line="-19"/>
        <source>DMIRs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-402"/>
        <source>Enter the signatory&apos;s approval number: a signatory without one cannot sign.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Approval number missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+336"/>
        <source>The new password could not be stored safely, so nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The signatory was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>%1 is signed in and cannot be deleted. To remove this signatory, sign in as another administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete DMIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The signatory was not deleted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>No stored signatory is chosen. Choose one in the list, or save the new one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only an administrator or %1 may make or bring in the signing certificate of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Signing certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reference/SignatureFiles.cpp" line="-1"/>
        <source>%1 is not a picture that can be read, so it was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The signature was not added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reference/SigningCertificateDialog.cpp" line="+147"/>
        <location line="+24"/>
        <source>No signing certificate was kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reference/StatementsPanel.cpp" line="+194"/>
        <source>Statements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/signin/SignIn.cpp" line="-19"/>
        <source>Try again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The signatories in %1 cannot be read: %2.
The master password opens the program only when they can be read and none of them is an administrator. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Access Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+316"/>
        <source>The electronic signature file %1 could not be read. Certificates will print without a signature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Electronic signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MessageBoxes.cpp" line="-1"/>
        <source>Write PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Back to the certificate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::OrganizationsEditor</name>
    <message>
        <location filename="../src/reference/OrganizationsEditor.cpp" line="+36"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Addr 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Addr 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Addr 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FAA Cert. #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EASA Cert. #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>UK CAA Cert. #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EASA authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Authority country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UK authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Block 1 of an EASA form: &quot;EASA&quot; when the Agency approved the organisation, else its authority, for example &quot;LBA&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The country of that authority, for example &quot;Germany&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Block 1 of a UK form: &quot;CAA&quot; when the organisation holds a UK approval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paper</source>
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
        <location line="+157"/>
        <source>only an administrator changes the organisations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PaperChoice</name>
    <message>
        <location filename="../src/reference/PaperChoice.cpp" line="+10"/>
        <source>The paper this organisation&apos;s certificates print on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>As the form: Letter for FAA, A4 for EASA and UK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PartsPanel</name>
    <message>
        <location filename="../src/reference/PartsPanel.cpp" line="-184"/>
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
        <location line="+8"/>
        <location line="+2"/>
        <source>Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PMA&apos;d Part Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Validation Initials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release Drawing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Stamp %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stamp %1 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eligibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+155"/>
        <source>No part is loaded, so nothing was saved. Choose a part, or press New to add one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A part needs a part number. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Part %1 is already in the catalogue. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it has been deleted meanwhile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Part %1 was not saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Part %1 saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Part %1 was not deleted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part %1 deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Stamp %1 was not saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PendingCertificates</name>
    <message>
        <location filename="../src/reference/PendingCertificates.cpp" line="+29"/>
        <source>Approve...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Certificates requested, awaiting approval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Approve the request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The shop authority&apos;s passphrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 (%2), requested %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The request of %1 was not approved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>Signing certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Signing certificate of %1 approved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The request of %1 was not discarded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Request of %1 discarded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PreviewWindow</name>
    <message>
        <location filename="../src/printing/PreviewWindow.cpp" line="+15"/>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Fit page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PrintCommand</name>
    <message>
        <location filename="../src/printing/PrintCommand.cpp" line="+37"/>
        <source>Save the certificate as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::PrintPanel</name>
    <message>
        <location filename="../src/printing/PrintPanel.cpp" line="+25"/>
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
        <location filename="../src/find/RecentCertificates.cpp" line="+8"/>
        <location line="+12"/>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::RegisterExportDialog</name>
    <message>
        <location filename="../src/app/RegisterExportDialog.cpp" line="-100"/>
        <source>Export register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>DD/MMM/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificates dated within the period, both days included (13e, else 14e date). With both boxes empty, every certificate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The period from %1 to %2 holds no day: the first day is later than the last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
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
    <name>arc::RemarksOnScreen</name>
    <message>
        <location filename="../src/app/RemarksOnScreen.cpp" line="+49"/>
        <source>The release statements could not be read, so block 12 was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::RevokeCertificateDialog</name>
    <message>
        <location filename="../src/reference/RevokeCertificateDialog.cpp" line="+20"/>
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
    <name>arc::ServerCopy</name>
    <message>
        <location filename="../src/legacy/ServerCopy.cpp" line="+102"/>
        <source>%1 cannot be loaded in bulk: not a server connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+13"/>
        <location line="+10"/>
        <source>%1 cannot be loaded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Writing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>stopped while writing %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::ServerImport</name>
    <message>
        <location filename="../src/legacy/ServerImport.cpp" line="+238"/>
        <location line="+41"/>
        <source>stopped at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-129"/>
        <source>field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>field %1 widened from %2 to %3 characters to keep its longest text whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+256"/>
        <source>the server database already holds %1 rows; it must be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-233"/>
        <source>Reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Checking %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 gave %2 rows of the %3 it holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+41"/>
        <source>%1 did not read back as it was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-40"/>
        <source>%1: %2 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 left out: not a plain file of at most %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Files: %1 signature bitmaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Files: %1 issued pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a password could not be hashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Agents: %1 passwords kept in clear go in as their hashes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Nothing in %1 or in %2 has been changed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a conversion of the folder was cut short; finish it first with arc8130-import %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no temporary folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 cannot be copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Preparing the search copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The reference data reached %1 but the certificates did not: %2. Empty the server database and run the import again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The search copies were not settled: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moved %1 into %2; the folder is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SettingsPanels</name>
    <message>
        <location filename="../src/app/SettingsPanels.cpp" line="-99"/>
        <location line="+49"/>
        <source>The organisation was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+29"/>
        <source>Se&amp;t-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>The settings were not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set-up saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+31"/>
        <source>Def&amp;aults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The defaults were not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Defaults saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SetupPanel</name>
    <message>
        <location filename="../src/app/SetupPanel.cpp" line="+48"/>
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
        <location line="+178"/>
        <source>Double click the folder to select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-171"/>
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
        <location line="+8"/>
        <source>A hot standby of the server: finding, the list of results, the activity report and the register read from it while it keeps up. Kept for this workstation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Standby for reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Databases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DMIRs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Countries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
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
        <location line="+2"/>
        <source>Verification page offers the signed PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The page a certificate&apos;s QR code opens links to its signed PDF as kept in Issued/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>https://verify.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The address of the verification page the QR code on every issued page leads to; empty: the code holds the certificate&apos;s number and content hash as text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After so many minutes without input the sign-in panel covers the window and the signing key is closed; the screen stays for the one who signs in again. Every workstation of this data source follows this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alt. Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Verification address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lock when idle after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
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
        <location filename="../src/signin/SignIn.cpp" line="-323"/>
        <source>another program is holding the data files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+87"/>
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
    <message>
        <location line="+69"/>
        <source>its certificate is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SignatoriesPanel</name>
    <message>
        <location filename="../src/reference/SignatoriesPanel.cpp" line="-458"/>
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
        <location line="+22"/>
        <source>The old certificate is to be revoked. The shop authority&apos;s passphrase (empty: revoke it later):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Revoke the old certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Signing certificate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+232"/>
        <source> Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Password too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>it has been deleted at another workstation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Signatory %1 saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Signatory %1 deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Signing certificate of %1 requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Signing certificate of %1 made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signing certificate of %1 brought in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Signing certificate of %1 revoked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SignatureFiles</name>
    <message>
        <location filename="../src/reference/SignatureFiles.cpp" line="-77"/>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose a signature bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pictures (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg *.JPEG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Electronic Signature File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Signature %1 added to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::SigningCertificateDialog</name>
    <message>
        <location filename="../src/reference/SigningCertificateDialog.cpp" line="-133"/>
        <source>Signing certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password typed is not the one %1 signs in with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The shop authority&apos;s passphrase is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The signing key could not be kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
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
        <location line="+2"/>
        <source>Key on a smart card or token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New shop authority&apos;s passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shop authority&apos;s passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an administrator&apos;s; empty: request the certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The passphrase again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+36"/>
        <source>PKCS#12 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-35"/>
        <source>The file&apos;s password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1&apos;s sign-in password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>PKCS#12 files (*.p12 *.pfx);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>choose a token and a key on it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::StandbyReads</name>
    <message>
        <location filename="../src/app/StandbyReads.cpp" line="+25"/>
        <source>The standby&apos;s address is not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reading from the standby server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading from the primary server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading from the primary server: the standby&apos;s address is not a server&apos;s URI (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading from the primary server: the standby cannot be reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading from the primary server: the standby does not hold this data source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading from the primary server: the standby&apos;s address names the primary itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading from the primary server: the standby&apos;s address names a server that is no standby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading from the primary server: the standby is %1 seconds behind</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::StatementsPanel</name>
    <message>
        <location filename="../src/reference/StatementsPanel.cpp" line="-146"/>
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
        <location line="+31"/>
        <source>The statements cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
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
        <location line="+7"/>
        <source>Statement %1 was not saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Statements saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
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
        <location filename="../src/app/StatusLine.cpp" line="+43"/>
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
    <name>arc::TimeStampBox</name>
    <message>
        <location filename="../src/app/TimeStampBox.cpp" line="+15"/>
        <source>Time-stamp service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Every signature carries this service&apos;s time stamp (RFC 3161); every workstation of this data source uses it. Empty: signatures without time stamps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No time-stamp service is set: signatures carry no time stamps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Asking %1 for a time stamp...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::TokenKeyChooser</name>
    <message>
        <location filename="../src/reference/TokenKeyChooser.cpp" line="+18"/>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+17"/>
        <source>PKCS#11 module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The token&apos;s PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PKCS#11 modules (*.so);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No token is inserted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (serial %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (id %2, with its certificate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (id %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arc::TokenPinDialog</name>
    <message>
        <location filename="../src/signin/TokenPinDialog.cpp" line="+15"/>
        <source>Signing on the token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type the PIN of the token %1 to sign the certificate.</source>
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
