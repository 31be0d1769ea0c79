// Cel-shaded models: light falls on a model in bands looked up in shadeTex (a ramp), and a
// second pass draws the back faces pushed out along their normals in outlineColor, which
// gives every model its inked outline, outlineScale world units wide whatever the model's
// scale. Slot 0 is the directional light of the model's position; slots 1 and 2 are the
// guards' spot lights near it.
@param float4x4 matWorld
@param float4x4 matViewProjection
@param float4x4 matInverseWorld
@param float4 diffuseMaterial = 1 1 1 1
@param float4 ambientLight = 0.4 0.4 0.4 1
@param float3 lightDir0 = 0 0 -1
@param float4 lightColor0 = 1 1 1 1
@param float3 lightPos1
@param float3 lightDir1 = 0 0 -1
@param float3 lightPos2
@param float3 lightDir2 = 0 0 -1
@param float4 outlineColor = 0 0 0 1
@param float outlineScale = 1
@param texture baseTex filter=linear address=wrap
@param bool useTexture = false
@param texture shadeTex filter=point address=clamp
@param texture shadeTexBlack filter=point address=clamp
@technique CelShade0Lights
@pass vertex=CelVS fragment=Cel0FS cull=ccw
@pass vertex=OutlineVS fragment=OutlineFS cull=cw
@technique CelShade1Light
@pass vertex=CelVS fragment=Cel1FS cull=ccw
@pass vertex=OutlineVS fragment=OutlineFS cull=cw
@technique CelShade2Lights
@pass vertex=CelVS fragment=Cel2FS cull=ccw
@pass vertex=OutlineVS fragment=OutlineFS cull=cw
@shader common
// A spot light's reach: a cone of about 35 degrees that fades over 600 units.
float Spot(vec3 position, vec3 lightPos, vec3 lightDir) {
  vec3 toPoint = position - lightPos;
  float cone = smoothstep(0.8, 0.9, dot(normalize(toPoint), normalize(lightDir)));
  return cone * clamp(1.0 - length(toPoint) / 600.0, 0.0, 1.0);
}
vec4 Surface(vec2 uv) { return (useTexture ? texture(baseTex, uv) : vec4(1.0)) * diffuseMaterial; }
// The band of the ramp a light level falls in.
float Band(float light) { return texture(shadeTex, vec2(clamp(light, 0.02, 0.98), 0.5)).r; }
// A spot light adds its bands only where it reaches: outside its cone the ramp's darkest band
// would otherwise light the whole model.
float SpotBand(float spot) { return spot > 0.0 ? Band(spot) : 0.0; }
@shader CelVS
out vec3 vNormal;
out vec3 vWorld;
out vec2 vTexCoord;
void main() {
  gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection;
  vWorld = (vec4(inPosition.xyz, 1.0) * matWorld).xyz;
  vNormal = normalize((vec4(inNormal, 0.0) * matWorld).xyz);
  vTexCoord = inTexCoord0;
}
@shader OutlineVS
void main() {
  vec3 normal = normalize(inNormal);
  // The push is measured in the world: a model drawn at a tenth of its size keeps its ink.
  float stretch = max(length((vec4(normal, 0.0) * matWorld).xyz), 1e-4);
  vec3 pushed = inPosition.xyz + normal * (outlineScale / stretch);
  gl_Position = vec4(pushed, 1.0) * matViewProjection;
}
@shader OutlineFS
void main() { fragColor = outlineColor; }
@shader Cel0FS
in vec3 vNormal;
in vec3 vWorld;
in vec2 vTexCoord;
void main() {
  float d = max(dot(normalize(vNormal), -normalize(lightDir0)), 0.0);
  vec3 light = ambientLight.rgb + lightColor0.rgb * Band(d);
  vec4 s = Surface(vTexCoord);
  fragColor = vec4(s.rgb * light, s.a);
}
@shader Cel1FS
in vec3 vNormal;
in vec3 vWorld;
in vec2 vTexCoord;
void main() {
  float d = max(dot(normalize(vNormal), -normalize(lightDir0)), 0.0);
  float spot = Spot(vWorld, lightPos1, lightDir1);
  vec3 light = ambientLight.rgb + lightColor0.rgb * Band(d) + vec3(1.0, 1.0, 0.85) * SpotBand(spot);
  vec4 s = Surface(vTexCoord);
  fragColor = vec4(s.rgb * light, s.a);
}
@shader Cel2FS
in vec3 vNormal;
in vec3 vWorld;
in vec2 vTexCoord;
void main() {
  float d = max(dot(normalize(vNormal), -normalize(lightDir0)), 0.0);
  float spot = max(Spot(vWorld, lightPos1, lightDir1), Spot(vWorld, lightPos2, lightDir2));
  vec3 light = ambientLight.rgb + lightColor0.rgb * Band(d) + vec3(1.0, 1.0, 0.85) * SpotBand(spot);
  vec4 s = Surface(vTexCoord);
  fragColor = vec4(s.rgb * light, s.a);
}
