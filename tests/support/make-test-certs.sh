#!/bin/sh
# Makes a throw-away certificate authority and a server certificate for 127.0.0.1 / localhost that it
# signed, for the HTTPS tests: DIR/ca.pem, DIR/server.pem (certificate, then the CA), DIR/server.key.
# A second authority, DIR/other-ca.pem, signed nothing: a client trusting only it refuses the server.
set -eu
dir=$1
mkdir -p "$dir"
cd "$dir"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Kitbench Test CA" \
    -keyout ca.key -out ca.pem 2>/dev/null
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Kitbench Other CA" \
    -keyout other-ca.key -out other-ca.pem 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout server.key -out server.csr 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n' \
    > server.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile server.ext \
    -out server-only.pem 2>/dev/null
cat server-only.pem ca.pem > server.pem
rm -f server.csr server.ext server-only.pem ca.srl
